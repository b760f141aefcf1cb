// The run state of the main window and the start-up logic that fills it: the command line and
// the two configuration files. Standard library only, so it is tested without a window; the
// main window owns one TRunState and calls these functions from its creation handler.
#pragma once

#include "data/VeskIni.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hovlo {

enum TPageMode : std::uint8_t { pmOnline = 0, pmFax = 1, pmLetter = 2 };

// An ordered list of name=value lines; repeated names allowed, order of appending kept.
using TFieldList = std::vector<std::string>;

struct TRunState {
    std::unique_ptr<TVeskIni> FCustomerIni; // the customer data store
    std::string FFaxTemplate;               // path of the fax template
    std::string FLetterTemplate;            // path of the letter template
    TPageMode FPageMode = pmOnline;         // mode of the page shown; at start-up the start mode
    TFieldList FFieldList;                  // the data that fills the pages' forms
    bool FFirstLoad = true;                 // the first page has not yet completed loading
    std::string FConfigFile;                // full path of the dialog configuration file
    std::string FConfigDir;                 // folder of FConfigFile, ending in "/"
    std::string FUpdateCfg;                 // path of the update configuration file
    std::string FExeDir;                    // folder of the program file, ending in "/"
    std::string FVersion;                   // version of the supported product
    std::string FProductId;                 // product id sent to the support server
    std::string FDialogId;                  // dialog from which the user asked for support
    std::string FProductName;               // name of the supported product
};

// Parses the program's arguments (without the program path) into the run state. At most six
// arguments; options match without regard to case; "-C" is expanded against currentDir.
// True when a non-empty "-C" value was found. Never throws.
bool ReadCommandLine(TRunState& state, const std::vector<std::string>& args,
                     const std::string& currentDir);

// Reads the dialog and update configuration files into the run state. On success the window
// caption to use is stored in *caption. False when the dialog configuration is unusable.
// Never throws.
bool ReadSettings(TRunState& state, std::string* caption);

// The product-id table: PIDs 1 to 173 are replaced by these ids.
inline constexpr std::array<std::int32_t, 173> ProductIdTable = {
    73,  0,   95,  132, 102, 130, 103, 85,  136, 80,  111, 113, 81,  73,  117, 203, 125, 121,
    119, 78,  112, 33,  118, 53,  76,  54,  73,  144, 151, 147, 149, 156, 143, 153, 135, 155,
    182, 160, 152, 137, 162, 68,  163, 164, 119, 119, 119, 169, 146, 170, 174, 0,   178, 175,
    176, 177, 172, 163, 169, 179, 180, 148, 56,  182, 181, 183, 184, 185, 187, 171, 134, 124,
    0,   165, 0,   73,  0,   73,  190, 166, 73,  193, 194, 195, 196, 142, 198, 199, 200, 201,
    202, 0,   206, 161, 0,   207, 205, 208, 210, 209, 173, 212, 213, 215, 82,  219, 220, 223,
    218, 221, 222, 73,  225, 224, 226, 227, 229, 238, 231, 230, 234, 235, 242, 232, 240, 233,
    236, 243, 241, 0,   73,  247, 247, 245, 262, 252, 73,  237, 257, 251, 253, 73,  231, 244,
    261, 256, 258, 272, 241, 259, 273, 274, 241, 284, 282, 282, 285, 286, 287, 288, 289, 290,
    291, 292, 293, 294, 295, 296, 297, 298, 299, 300, 301};

// The product id sent for a PID as read from the configuration.
std::string MapProductId(const std::string& pid);

// A template path from the configuration: full paths stay, others are joined to configDir.
std::string ApplyTemplatePathRule(const std::string& value, const std::string& configDir);

// The text read as a whole decimal number in the signed 32-bit range: leading blanks, an
// optional sign, decimal digits and nothing after them. Nothing when the text is no such number.
std::optional<std::int32_t> StrToInt(const std::string& text);

inline constexpr const char* kDefaultCaption = "Veskora GmbH - Hovlo";

} // namespace hovlo
