#include "data/VeskIni.h"

namespace hovlo {

TVeskIni::TVeskIni() : TIniFile(kCustomerFileName) {}

std::string TVeskIni::GetAnrede() const { return ReadString(kAddressSection, "Anrede", ""); }
std::string TVeskIni::GetEMail() const { return ReadString(kAddressSection, "EMail", ""); }
std::string TVeskIni::GetFax() const { return ReadString(kAddressSection, "Fax", ""); }
std::string TVeskIni::GetHausnr() const { return ReadString(kAddressSection, "Hausnr", ""); }
std::string TVeskIni::GetKundenNr() const { return ReadString(kAddressSection, "KundenNr", ""); }
std::string TVeskIni::GetNachname() const { return ReadString(kAddressSection, "Nachname", ""); }
std::string TVeskIni::GetOrt() const { return ReadString(kAddressSection, "Ort", ""); }
std::string TVeskIni::GetPlz() const { return ReadString(kAddressSection, "Plz", ""); }
std::string TVeskIni::GetStrasse() const { return ReadString(kAddressSection, "Strasse", ""); }
std::string TVeskIni::GetTelefon() const { return ReadString(kAddressSection, "Telefon", ""); }
std::string TVeskIni::GetVorname() const { return ReadString(kAddressSection, "Vorname", ""); }

} // namespace hovlo
