#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

namespace Ui {
class TChangeColourForm;
}

// Chooses one of the 16 party colours. The chosen name is the entry's text
// in lower case ("light-blue"); it stays the given name until an entry is
// picked, so a name outside the 16 is not rewritten by merely looking.
class TChangeColourForm : public QDialog {
    Q_OBJECT
public:
    explicit TChangeColourForm(const QString& colour, QWidget* parent = nullptr);
    ~TChangeColourForm() override;

    const QString& ChosenColour() const { return Chosen_; }

    // A swatch of a colour name: its light shade above, its main shade in
    // the lower half; a name outside the 16 shows white.
    static QPixmap Swatch(const QString& colour, const QSize& size);

protected:
    // Enter chooses as "Ok" does; no button is left as the default one.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ColorsListBoxClick();
    void ShowSwatch();

    Ui::TChangeColourForm* ui;
    QString Chosen_;
};
