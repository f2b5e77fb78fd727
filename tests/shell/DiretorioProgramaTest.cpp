#include <gtest/gtest.h>

#include <QCoreApplication>

#include "shell/DiretorioPrograma.h"

using namespace shell;

namespace {
// Sets REDAZOR_DIR for one test and puts back what was there.
class VariavelDiretorio {
  public:
    explicit VariavelDiretorio(const QByteArray& valor)
        : tinha_(qEnvironmentVariableIsSet("REDAZOR_DIR")), antes_(qgetenv("REDAZOR_DIR")) {
        qputenv("REDAZOR_DIR", valor);
    }
    ~VariavelDiretorio() {
        if (tinha_)
            qputenv("REDAZOR_DIR", antes_);
        else
            qunsetenv("REDAZOR_DIR");
    }

  private:
    bool tinha_;
    QByteArray antes_;
};
}  // namespace

TEST(DiretorioProgramaTest, NamedFolderWithOrWithoutFinalSlash) {
    {
        VariavelDiretorio v("/srv/escritorio");
        EXPECT_EQ(DiretorioPrograma(), "/srv/escritorio/");
    }
    {
        VariavelDiretorio v("/srv/escritorio/");
        EXPECT_EQ(DiretorioPrograma(), "/srv/escritorio/");
    }
    {
        VariavelDiretorio v("/");
        EXPECT_EQ(DiretorioPrograma(), "/");
    }
}

TEST(DiretorioProgramaTest, EmptyVariableMeansTheExecutablesFolder) {
    VariavelDiretorio v("");
    EXPECT_EQ(DiretorioPrograma(), QCoreApplication::applicationDirPath() + "/");
}
