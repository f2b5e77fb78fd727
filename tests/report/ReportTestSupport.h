#pragma once

#include <QString>

#include "platform/report/DataSet.h"
#include "platform/report/PageModel.h"
#include "platform/report/ReportLayout.h"

namespace reporttest {

// "Amostra.rpt": a small list of the table Amostra (codigo, nome, valor, ativo) under the standard
// book heading, with page totals carried from page to page and a summary.
class SampleLayout : public platform::report::ReportLayout {
  public:
    SampleLayout();
};

inline const QString SampleName = QStringLiteral("Amostra.rpt");
// Registers SampleLayout under SampleName.
void registerSample();

// `count` rows of the sample table: codigo "0001"..., nome "Cliente n", valor n * 10,50, ativo for odd n.
platform::report::DataSet sampleRows(int count);

}  // namespace reporttest
