// The game facts of an executable, read from its version resource.
#include "catalogue/catalogue.h"
#include "platform/failure_report.h"
#include "versioninfo/version_info.h"

namespace zeb {

void Catalogue::GetVersionInfo(const std::string& path) {
  facts_ = GameFacts();
  RunReportingFailures(prompt_, kAppTitle, [&] {
    // One reader per file, so nothing of an earlier file can leak into these facts.
    VersionInfo reader;
    reader.Filename(path);
    facts_ = DeriveGameFacts(reader.ProductName(), reader.LegalCopyright(), reader.CompanyName());
  });
}

}  // namespace zeb
