#include "app/FieldList.h"

#include "data/VeskIni.h"
#include "data/VeskSysUtils.h"

#include <string>

namespace hovlo {

namespace {

// Runs one step of the collection. Measurements fail quietly by design: a failing step ends
// here, the lines it already appended stay, and the next step runs, so a missing value only
// leaves its own lines out. This is the one place of the field list that swallows errors.
template <typename Step> void Guarded(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

std::string MB(std::int64_t megabytes) {
    return std::to_string(megabytes) + " MB";
}

std::string Size(ISystemProbe& probe) {
    return std::to_string(probe.ScreenWidth()) + " x " + std::to_string(probe.ScreenHeight());
}

} // namespace

void CollectCustomerData(TFieldList& list, const TRunState& state) {
    Guarded([&] {
        TIniFile(kCustomerFileName).ReadSectionValues(kAddressSection, list);
        const TVeskIni customer;
        list.push_back("Kundennummer=" + customer.GetKundenNr());
        list.push_back("Hausnummer=" + customer.GetHausnr());
    });
    list.push_back("Produktname=" + state.FProductName);
    list.push_back("version=" + state.FVersion);
    list.push_back("dialog_id=" + state.FDialogId);
}

void CollectSystemData(TFieldList& list, ISystemProbe& probe) {
    Guarded([&] {
        const TMemoryStatus memory = probe.MemoryStatus();
        const std::string total = MB(WholeMegabytes(memory.TotalPhys));
        const std::string avail = MB(WholeMegabytes(memory.AvailPhys));
        list.push_back("MemoryGesamt=" + total);
        list.push_back("MemoryFrei=" + avail);
        list.push_back("arbeitsspeicher=" + total + " / " + avail);
    });
    Guarded([&] {
        // Every line asks the screen anew.
        list.push_back("DesktopX=" + std::to_string(probe.ScreenWidth()));
        list.push_back("DesktopY=" + std::to_string(probe.ScreenHeight()));
        list.push_back("DesktopFarbtiefe=" + std::to_string(GetColorDepth(probe)) + " Bit");
        list.push_back("DesktopSize=" + Size(probe));
        list.push_back("farbtiefe=" + std::to_string(GetColorDepth(probe)) + " Bit");
        list.push_back("aufloesung=" + Size(probe));
        list.push_back("Desktop=" + Size(probe) + " x " + std::to_string(GetColorDepth(probe)));
    });
    Guarded([&] { list.push_back("System=" + GetWindowsVersionText(probe)); });
    Guarded([&] {
        list.push_back("CurrentPrinter=" + probe.CurrentPrinter());
        list.push_back("drucker=" + probe.CurrentPrinter());
        list.push_back("Printers=" + PrinterListText(probe));
    });
    for (int drive = 3; drive <= 26; ++drive) {
        Guarded([&] {
            const std::string letter(1, static_cast<char>('@' + drive));
            list.push_back("FreeDiskSpace_" + letter + "=" +
                           MB(DiskMegabytes(probe.DiskFree(drive))));
            list.push_back("DiskSpace_" + letter + "=" + MB(DiskMegabytes(probe.DiskSize(drive))));
        });
    }
    Guarded([&] {
        const std::string size = MB(DiskMegabytes(probe.DiskSize(3)));
        const std::string free = MB(DiskMegabytes(probe.DiskFree(3)));
        list.push_back("festplattenspeicher=" + size + " / " + free);
    });
}

} // namespace hovlo
