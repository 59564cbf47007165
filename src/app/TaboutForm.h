#pragma once

#include <QDialog>

namespace Ui {
class TaboutForm;
}

// The about box: product, version and where to find the project.
class TaboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TaboutForm(QWidget* parent = nullptr);
    ~TaboutForm() override;

    // "major.minor.release.build" from a version text; "0.0.0.0" when the
    // text holds no version.
    static QString FourPartVersion(const QString& version);
    static QString WebSite();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Ui::TaboutForm* ui;
};
