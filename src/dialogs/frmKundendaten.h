// The your-data dialog: what a support request tells about the customer and the machine.
#pragma once

#include <QDialog>

namespace hovlo {

class TFormKundendaten : public QDialog {
    Q_OBJECT
public:
    explicit TFormKundendaten(QWidget* parent = nullptr);
};

} // namespace hovlo
