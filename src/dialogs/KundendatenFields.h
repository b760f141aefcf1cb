// The texts of the your-data dialog's fields, without widgets: the customer's address from the
// customer file and the machine's facts from the installed probe, written field by field in the
// dialog's order. TFormKundendaten hands in a writer that sets the named field's text.
#pragma once

#include "data/SystemProbe.h"
#include "data/VeskIni.h"

#include <cstdint>
#include <functional>
#include <string>

namespace hovlo {

// Street, one blank, house number; the blank is there also when a part is empty.
std::string StreetText(const std::string& street, const std::string& houseNumber);
// Postcode " - " town when both are present, else whichever is present (or empty).
std::string TownText(const std::string& postcode, const std::string& town);
// Whole megabytes followed by " MB".
std::string MegabytesText(std::int64_t megabytes);
// "W x H x D", no unit.
std::string DesktopText(int width, int height, int colorDepth);

// Sets one field (named as the dialog's control, "dfAnrede") to a text.
using TFieldWriter = std::function<void(const char* field, const std::string& text)>;

// Writes every field anew: the customer fields first, then memory, screen, version, printer
// and drive C:, each group in its own guard. A group that fails ends there and leaves the
// fields it has not reached as they were.
void FillKundendaten(const TVeskIni& customer, ISystemProbe& probe, const TFieldWriter& write);

} // namespace hovlo
