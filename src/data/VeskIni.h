// The customer data store: read-only access to section "Adresse" of the shared customer file
// that the maker's products keep. The file is named by its bare name only; where a bare profile
// name resolves is the platform's business. Every accessor reads the file anew.
#pragma once

#include "data/IniFile.h"

#include <string>

namespace hovlo {

class TVeskIni : public TIniFile {
public:
    TVeskIni();

    std::string GetAnrede() const;
    std::string GetEMail() const;
    std::string GetFax() const;
    std::string GetHausnr() const;
    std::string GetKundenNr() const;
    std::string GetNachname() const;
    std::string GetOrt() const;
    std::string GetPlz() const;
    std::string GetStrasse() const;
    std::string GetTelefon() const;
    std::string GetVorname() const;
};

// The bare name of the shared customer file and its address section.
inline constexpr const char* kCustomerFileName = "Vesk.ini";
inline constexpr const char* kAddressSection = "Adresse";

} // namespace hovlo
