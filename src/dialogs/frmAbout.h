// The about box: the program's version and the maker's imprint, with the service address as a
// mail link. Created once at start-up and shown by the main window's mAboutClick.
#pragma once

#include <QDialog>

class QLabel;

namespace hovlo {

class TVeskButton;
class TVeskLabel;
class TVeskPanel;

// The maker's service address, and the about box's link that opens a new mail to it.
inline constexpr const char* kServiceEMail = "info@vk.example";
inline constexpr const char* kServiceMailLink =
    "mailto:info@vk.example?subject=Hovlo%20Kundenservice";

class TdlgAbout : public QDialog {
    Q_OBJECT
public:
    explicit TdlgAbout(QWidget* parent = nullptr);

protected:
    // Refreshes the version label at every showing.
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();

    QLabel* Image1;
    TVeskLabel* lblVersion;
    TVeskLabel* lblEMail;
    TVeskButton* VeskButton1;
    TVeskPanel* VeskPanel1;
};

} // namespace hovlo
