#pragma once

#include <QDialog>
#include <QStringList>

namespace Ui {
class TSelectScenarioForm;
}

// Lists the scenario folders for Open and Create From Existing.
class TSelectScenarioForm : public QDialog {
    Q_OBJECT
public:
    explicit TSelectScenarioForm(QWidget* parent = nullptr);
    ~TSelectScenarioForm() override;

    void SetScenarios(const QStringList& names);
    // The selected entry; empty when none is selected.
    QString SelectedScenario() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Ui::TSelectScenarioForm* ui;
};
