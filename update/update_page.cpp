#include "update/update_page.h"

#include "update/version_rules.h"

std::string_view KeptPartOfPiece(std::string_view piece) { return piece.substr(0, piece.find('\0')); }

UpdateOutcome DecideUpdate(bool fetched, std::string_view page, double ownVersion) {
    if (!fetched) return UpdateOutcome::Failed;
    const std::optional<double> announced = ReadLeadingNumber(page);
    return announced && IsNewerVersion(*announced, ownVersion) ? UpdateOutcome::Newer : UpdateOutcome::UpToDate;
}
