#include "dialogs/KundendatenFields.h"

#include "data/VeskSysUtils.h"

namespace hovlo {

namespace {

constexpr int kDriveC = 3;

// A probe group that fails keeps what it wrote so far and shows no message; this is the one
// place where the dialog swallows a measurement failure.
template <class Step> void Guarded(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

std::string StreetText(const std::string& street, const std::string& houseNumber) {
    return street + " " + houseNumber;
}

std::string TownText(const std::string& postcode, const std::string& town) {
    if (!postcode.empty() && !town.empty())
        return postcode + " - " + town;
    return postcode + town;
}

std::string MegabytesText(std::int64_t megabytes) {
    return std::to_string(megabytes) + " MB";
}

std::string DesktopText(int width, int height, int colorDepth) {
    return std::to_string(width) + " x " + std::to_string(height) + " x " +
           std::to_string(colorDepth);
}

void FillKundendaten(const TVeskIni& customer, ISystemProbe& probe, const TFieldWriter& write) {
    write("dfAnrede", customer.GetAnrede());
    write("dfVorname", customer.GetVorname());
    write("dfNachname", customer.GetNachname());
    write("dfStrasse", StreetText(customer.GetStrasse(), customer.GetHausnr()));
    write("dfKundennummer", customer.GetKundenNr());
    write("dfOrt", TownText(customer.GetPlz(), customer.GetOrt()));
    write("dfTelefon", customer.GetTelefon());
    write("dfFax", customer.GetFax());
    write("dfEMail", customer.GetEMail());

    Guarded([&] {
        const TMemoryStatus memory = probe.MemoryStatus();
        write("dfSpeicherGesamt", MegabytesText(WholeMegabytes(memory.TotalPhys)));
        write("dfSpeicherFrei", MegabytesText(WholeMegabytes(memory.AvailPhys)));
    });
    Guarded([&] {
        const int width = probe.ScreenWidth();
        const int height = probe.ScreenHeight();
        write("dfDesktop", DesktopText(width, height, GetColorDepth(probe)));
    });
    Guarded([&] { write("dfBetriebssystem", GetWindowsVersionText(probe)); });
    Guarded([&] { write("dfDrucker", probe.CurrentPrinter()); });
    Guarded([&] {
        write("dfFestplatteFrei", MegabytesText(DiskMegabytes(probe.DiskFree(kDriveC))));
        write("dfFestplatte", MegabytesText(DiskMegabytes(probe.DiskSize(kDriveC))));
    });
}

} // namespace hovlo
