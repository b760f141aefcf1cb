// The about box: program version and the maker's imprint.
#pragma once

#include <QDialog>

namespace hovlo {

class TdlgAbout : public QDialog {
    Q_OBJECT
public:
    explicit TdlgAbout(QWidget* parent = nullptr);
};

} // namespace hovlo
