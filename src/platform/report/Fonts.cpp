#include "platform/report/Fonts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <array>
#include <deque>
#include <vector>

#include "platform/report/TextLines.h"
#include "platform/values/RuntimeError.h"

namespace platform::report {

namespace {
// The run-time error number of a missing file.
constexpr long FileNotFound = 53;
// Text is measured at this resolution whatever the screen or printer.
constexpr double MeasureDpi = 1200;

ReportFonts* loaded = nullptr;

const char* const FaceFiles[] = {
    "LiberationSans-Regular",  "LiberationSans-Bold",  "LiberationSans-Italic",  "LiberationSans-BoldItalic",
    "LiberationSerif-Regular", "LiberationSerif-Bold", "LiberationSerif-Italic", "LiberationSerif-BoldItalic",
    "LiberationMono-Regular",  "LiberationMono-Bold",  "LiberationMono-Italic",  "LiberationMono-BoldItalic",
};
}  // namespace

struct ReportFonts::Impl {
    std::vector<int> ids;
    QString families[3];
    QImage measureDevice{1, 1, QImage::Format_RGB32};
    // Advances are kept per character: a text measures as the sum of its characters, which is also
    // how the pages are drawn (no ligatures, no kerning), so both agree on every machine.
    struct Face {
        FontSpec fontSpec;
        QFontMetricsF metrics;
        std::array<double, 256> latin;
        QHash<char16_t, double> other;
    };
    mutable std::deque<Face> faces;

    Face& face(const ReportFonts& owner, const FontSpec& fontSpec) const {
        for (auto& f : faces)
            if (f.fontSpec == fontSpec) return f;
        faces.push_back({fontSpec, QFontMetricsF(owner.font(fontSpec), &measureDevice), {}, {}});
        faces.back().latin.fill(-1);
        return faces.back();
    }

    static double advance(Face& f, QChar c) {
        const char16_t u = c.unicode();
        if (u < 256) {
            double& a = f.latin[u];
            if (a < 0) a = f.metrics.horizontalAdvance(c);
            return a;
        }
        auto it = f.other.find(u);
        if (it == f.other.end()) it = f.other.insert(u, f.metrics.horizontalAdvance(c));
        return *it;
    }
};

ReportFonts::ReportFonts(const QString& folder) : d(std::make_unique<Impl>()) {
    const int dotsPerMeter = qRound(MeasureDpi / 0.0254);
    d->measureDevice.setDotsPerMeterX(dotsPerMeter);
    d->measureDevice.setDotsPerMeterY(dotsPerMeter);
    for (int i = 0; i < 12; ++i) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(FaceFiles[i]) + QStringLiteral(".ttf");
        const int id = QFileInfo::exists(path) ? QFontDatabase::addApplicationFont(path) : -1;
        if (id < 0) {
            for (int loadedId : d->ids) QFontDatabase::removeApplicationFont(loadedId);
            throw values::RuntimeError(FileNotFound, QStringLiteral("Fonte não encontrada: ") + path);
        }
        d->ids.push_back(id);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (i % 4 == 0 && !families.isEmpty()) d->families[i / 4] = families.front();
    }
    loaded = this;
}

ReportFonts::~ReportFonts() {
    if (loaded == this) loaded = nullptr;
    d->faces.clear();
    for (int id : d->ids) QFontDatabase::removeApplicationFont(id);
}

QString ReportFonts::programFolder() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/fonts");
}

ReportFonts* ReportFonts::current() { return loaded; }

QFont ReportFonts::font(const FontSpec& fontSpec) const {
    QFont f(d->families[static_cast<int>(fontSpec.face)]);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    f.setPointSizeF(fontSpec.sizePt);
    f.setBold(fontSpec.bold);
    f.setItalic(fontSpec.italic);
    return f;
}

double ReportFonts::widthMm(const QString& text, const FontSpec& fontSpec) const {
    Impl::Face& f = d->face(*this, fontSpec);
    double sum = 0;
    for (QChar c : text) sum += Impl::advance(f, c);
    return sum * 25.4 / MeasureDpi;
}

double ReportFonts::ascentMm(const FontSpec& fontSpec) const {
    return d->face(*this, fontSpec).metrics.ascent() * 25.4 / MeasureDpi;
}

double ReportFonts::descentMm(const FontSpec& fontSpec) const {
    return d->face(*this, fontSpec).metrics.descent() * 25.4 / MeasureDpi;
}

QString ReportFonts::fit(const QString& text, const FontSpec& fontSpec, double widthMm,
                         double* fittedWidth) const {
    Impl::Face& f = d->face(*this, fontSpec);
    const double limit = widthMm * MeasureDpi / 25.4 + 1e-6;
    double sum = 0;
    qsizetype n = 0;
    for (; n < text.size(); ++n) {
        const double a = Impl::advance(f, text[n]);
        if (sum + a > limit) break;
        sum += a;
    }
    if (fittedWidth) *fittedWidth = sum * 25.4 / MeasureDpi;
    return n == text.size() ? text : text.left(n);
}

QStringList ReportFonts::wrap(const QString& text, const FontSpec& fontSpec, double widthMm) const {
    return breakLines(text, [&](const QString& line) { return this->widthMm(line, fontSpec) <= widthMm; });
}

ReportFonts& reportFonts() {
    if (!loaded)
        throw values::RuntimeError(FileNotFound,
                                   QStringLiteral("As fontes dos relatórios não foram carregadas"));
    return *loaded;
}

}  // namespace platform::report
