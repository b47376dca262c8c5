// The game facts of an executable, read from its version resource.
#include "catalogue/catalogue.h"
#include "platform/failure_report.h"
#include "versioninfo/version_info.h"

namespace zeb {

GameFacts Catalogue::GetVersionInfo(const std::string& path) {
  GameFacts facts;
  try {
    // One reader per file, so nothing of an earlier file can leak into these facts.
    VersionInfo reader;
    reader.Filename(path);
    facts = DeriveGameFacts(reader.ProductName(), reader.LegalCopyright(), reader.CompanyName());
  } catch (...) {
    ReportFailure(UnexpectedFailureText(std::current_exception()));
  }
  return facts;
}

}  // namespace zeb
