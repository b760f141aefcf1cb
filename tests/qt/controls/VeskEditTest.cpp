// The typed edit field with German regional settings: display and editing texts, reading typed
// text back, the validation event and read-only fields.
#include "controls/VeskEdit.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>

namespace hovlo {
namespace {

const QString kEuro = QString::fromUtf8(" \u20AC");

class EditForm : public ::testing::Test {
protected:
    void SetUp() override {
        previousLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        form = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(form.get());
        other = new QLineEdit(form.get());
        df = new TVeskEdit(form.get());
        layout->addWidget(other);
        layout->addWidget(df);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        other->setFocus();
    }
    void TearDown() override { QLocale::setDefault(previousLocale); }

    void Enter() {
        df->setFocus();
        ASSERT_TRUE(df->hasFocus());
    }
    void Leave() { other->setFocus(); }
    void Type(const QString& text) {
        df->selectAll();
        if (text.isEmpty())
            QTest::keyClick(df, Qt::Key_Delete);
        else
            QTest::keyClicks(df, text);
    }

    QLocale previousLocale;
    std::unique_ptr<QWidget> form;
    QLineEdit* other = nullptr;
    TVeskEdit* df = nullptr;
};

TEST_F(EditForm, ShowsTheNumberInItsFormatAndBareWhileEditing) {
    struct TCase {
        TEditDataTypes type;
        const char* format; // nullptr: the type's default
        double value;
        QString shown;
        QString edited;
    };
    const TCase cases[] = {
        {edtCurrency, nullptr, 1234.5, "1.234,50" + kEuro, "1234,5"},
        {edtCurrency, nullptr, 0, "0,00" + kEuro, "0"},
        {edtCurrency, nullptr, -1234.5, "-1.234,50" + kEuro, "-1234,5"},
        {edtFloat, nullptr, 100, "100,0", "100"},
        {edtFloat, "0,000.00;(0,000.00)", -1234.5, "(1.234,50)", "-1234,5"},
        {edtFloat, "0", 2.5, "3", "3"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.shown.toStdString());
        df->setDataType(c.type);
        if (c.format)
            df->setDisplayFormat(c.format);
        df->SetValue(c.value);
        EXPECT_EQ(df->text(), c.shown);
        Enter();
        EXPECT_EQ(df->text(), c.edited);
        Leave();
        EXPECT_EQ(df->text(), c.shown);
    }
}

TEST_F(EditForm, ReadsTypedTextOnLeaving) {
    struct TCase {
        QString typed;
        double value;
        QString shown;
    };
    const TCase cases[] = {
        {"1234,5", 1234.5, "1.234,50" + kEuro},
        {"1.234,5", 77, "77,00" + kEuro}, // thousands separator: unreadable, previous number
        {"12 EUR", 77, "77,00" + kEuro},  // so is any other text
        {"", 0, "0,00" + kEuro},          // empty counts as zero
        {" -3,25e1 ", -32.5, "-32,50" + kEuro},
    };
    df->setDataType(edtCurrency);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        df->SetValue(77);
        Enter();
        Type(c.typed);
        Leave();
        EXPECT_DOUBLE_EQ(df->Value(), c.value);
        EXPECT_EQ(df->text(), c.shown);
    }
}

TEST_F(EditForm, ValidatesOnlyChangedTextAfterExitAndBeforeReformatting) {
    df->setDataType(edtCurrency);
    df->SetValue(5);
    std::vector<QString> log;
    QObject::connect(df, &TVeskEdit::OnExit, [&] { log.push_back("exit " + df->text()); });
    QObject::connect(df, &TVeskEdit::OnValidate, [&](TVeskEdit* sender, bool& allow) {
        EXPECT_EQ(sender, df);
        EXPECT_TRUE(allow);
        allow = false; // not looked at: the focus leaves anyway
        log.push_back("validate " + df->text());
    });
    Enter();
    Leave();
    EXPECT_EQ(log, std::vector<QString>{"exit 5"}); // the bare number; no validation
    log.clear();

    Enter();
    Type("6,5");
    Leave();
    EXPECT_EQ(log, (std::vector<QString>{"exit 6,5", "validate 6,5"}));
    EXPECT_EQ(df->text(), "6,50" + kEuro);
    EXPECT_TRUE(other->hasFocus());

    // Case matters for text fields; typing the same text back is no change.
    df->setDataType(edtText);
    df->setText("abc");
    log.clear();
    Enter();
    Type("ABC");
    Leave();
    Enter();
    Type("ABC");
    Leave();
    EXPECT_EQ(log, (std::vector<QString>{"exit ABC", "validate ABC", "exit ABC"}));
}

TEST_F(EditForm, ReadOnlyNumericFieldNeitherSwitchesNorReads) {
    df->setDataType(edtCurrency);
    df->SetValue(1234.5);
    df->setReadOnly(true);
    Enter();
    EXPECT_EQ(df->text(), "1.234,50" + kEuro);
    df->setText("kein Betrag");
    Leave();
    EXPECT_EQ(df->text(), "kein Betrag");
    EXPECT_DOUBLE_EQ(df->Value(), 1234.5);
}

TEST_F(EditForm, DataTypeSetsFormatAndAlignment) {
    df->setDataType(edtFloat);
    EXPECT_EQ(df->DisplayFormat(), "0,000.0");
    EXPECT_EQ(df->text(), "0,0");
    df->setDataType(edtCurrency);
    EXPECT_EQ(df->DisplayFormat(), "0,000.00" + kEuro);
    EXPECT_EQ(df->text(), "0,00" + kEuro);
    EXPECT_TRUE(df->alignment() & Qt::AlignRight);
    df->setDataType(edtText);
    EXPECT_EQ(df->DisplayFormat(), "");
    EXPECT_EQ(df->text(), "0,00" + kEuro);
    EXPECT_TRUE(df->alignment() & Qt::AlignRight); // kept

    // An integer field only aligns: typed text stays as typed.
    TVeskEdit plain(form.get());
    EXPECT_FALSE(plain.alignment() & Qt::AlignRight);
    df->setDataType(edtInteger);
    Enter();
    Type("12a");
    Leave();
    EXPECT_EQ(df->text(), "12a");
}

TEST_F(EditForm, LooksFlatAndLightBlueWhileFocused) {
    df->setText("");
    const auto pixel = [&](int x, int y) { return df->grab().toImage().pixelColor(x, y); };
    const int midY = df->height() / 2;
    EXPECT_EQ(pixel(0, midY), QColor(212, 208, 200));
    EXPECT_EQ(pixel(df->width() - 5, midY), QColor(Qt::white));
    Enter();
    EXPECT_EQ(pixel(df->width() - 5, midY), QColor(243, 247, 254));
    Leave();
    df->setEnabled(false);
    EXPECT_EQ(pixel(df->width() - 5, midY), QColor(238, 238, 238));
}

} // namespace
} // namespace hovlo
