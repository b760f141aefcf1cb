// The main window: header, button row, the visible browser and the hidden print browser. It owns
// the run state and runs the start-up sequence when it is created.
#pragma once

#include "app/RunState.h"

#include <QMainWindow>

class QLabel;
class QDialog;

namespace hovlo {

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window, then runs Loaded and FormCreate with the process arguments.
    explicit TFormMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The dialogs that live for the whole run; created by the program entry after this window.
    void SetDialogs(QDialog* formKundendaten, QDialog* dlgAbout);

    const TRunState& RunState() const { return FRun; }

public slots:
    void mBeendenClick();
    void mKundendatenClick();

private:
    void Loaded();
    void FormCreate(const QStringList& arguments);
    bool ReadCommandLine(const QStringList& arguments);
    bool ReadSettings();
    void CollectCustomerData(TFieldList& list);
    void CollectSystemData(TFieldList& list);
    void ComposeCustomerLine();
    void ShowPage(TPageMode mode);

    TRunState FRun;
    QLabel* lblProgTitle = nullptr;
    QLabel* lblKundennummer = nullptr;
    QDialog* FFormKundendaten = nullptr;
    QDialog* FDlgAbout = nullptr;
};

} // namespace hovlo
