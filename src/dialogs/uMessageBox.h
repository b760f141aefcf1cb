// The kit's message box: a modal window with an optional icon, a text that may hold HTML and up
// to five buttons chosen by flags. It sizes itself to its text from the two HTML labels'
// size events, through the arithmetic in MessageBoxLayout. ShellOpen's "no program" message and
// any other message of the system go through ShowMessageBox.
#pragma once

#include "dialogs/MessageBoxLayout.h"

#include <QDialog>

#include <array>

class QLabel;
class QWidget;

namespace hovlo {

class TVeskButton;
class TVeskHTMLStaticText;

// Shows the text (CR LF pairs become "<br>") and returns the result of the button that closed
// the box, or 2 when its close box closed it. Returns only after the box is closed.
int ShowMessageBox(const QString& text, TMessageBoxIcon icon, TMessageBoxButtons buttons);

class TdlgMessageBox : public QDialog {
    Q_OBJECT
public:
    explicit TdlgMessageBox(QWidget* parent = nullptr);

    // Fills the window and shows it modally; returns the modal result.
    int Execute(const QString& text, TMessageBoxIcon icon, TMessageBoxButtons buttons);
    // Fills the window without showing it (Execute's first half; tests look at the result).
    void Prepare(const QString& text, TMessageBoxIcon icon, TMessageBoxButtons buttons);

    int ButtonCount() const { return FButtonCount; }

public slots:
    void lblTempNewSize(int newWidth, int newHeight);
    void lblInfoTextNewSize(int newWidth, int newHeight);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The close box, the system menu and Alt+F4 give 2.
    void reject() override;

private:
    QRect ScreenRect() const;

    QLabel* imgDlgImage;
    QLabel* imgWarning;
    QLabel* imgError;
    QLabel* imgInformation;
    QLabel* imgConfirmation;
    std::array<TVeskButton*, kMessageBoxMaxButtons> FButtons{};
    std::array<bool, kMessageBoxMaxButtons> FEscape{};
    TVeskHTMLStaticText* lblInfoText;
    QWidget* ScrollBox1;
    TVeskHTMLStaticText* lblTemp;

    int FButtonCount = 0;
    bool FEmptyText = false;
    bool FFilled = false; // the size events lay out only once the buttons are known
};

} // namespace hovlo
