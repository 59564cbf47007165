#include "app/Prompts.h"

#include "app/TSelectScenarioForm.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

TPrompts* Installed = nullptr;

QWidget* DialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

QString AnyCaseFilter(const QString& filter) {
    // Pictures made on Windows often end in ".BMP"; the dialog matches case.
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    QString result;
    qsizetype last = 0;
    auto matches = pattern.globalMatch(filter);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        result += filter.mid(last, match.capturedEnd() - last);
        const QString upper = match.captured(1).toUpper();
        if (upper != match.captured(1))
            result += QStringLiteral(" *.") + upper;
        last = match.capturedEnd();
    }
    return result + filter.mid(last);
}

TPrompts& Prompts() {
    static TQtPrompts qtPrompts;
    return Installed ? *Installed : qtPrompts;
}

TPrompts* SetPrompts(TPrompts* prompts) {
    TPrompts* previous = Installed;
    Installed = prompts;
    return previous;
}

TPromptAnswer TQtPrompts::Message(const QString& title, const QString& text,
                                  TPromptButtons buttons) {
    QMessageBox box(DialogParent());
    box.setWindowTitle(title);
    box.setText(text);
    switch (buttons) {
    case TPromptButtons::Ok:
        box.setIcon(title == QLatin1String("Error") ? QMessageBox::Critical
                                                    : QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return TPromptAnswer::Ok;
    case TPromptButtons::YesNo:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? TPromptAnswer::Yes : TPromptAnswer::No;
    case TPromptButtons::YesNoCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return TPromptAnswer::Yes;
        case QMessageBox::No:
            return TPromptAnswer::No;
        default:
            return TPromptAnswer::Cancel;
        }
    }
    return TPromptAnswer::Cancel;
}

int TQtPrompts::Ask(const QString& title, const QString& text, const QStringList& buttons) {
    QMessageBox box(DialogParent());
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::Warning);
    QList<QPushButton*> pushed;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        pushed << box.addButton(buttons[i], i + 1 == buttons.size() ? QMessageBox::RejectRole
                                                                    : QMessageBox::AcceptRole);
    if (!pushed.isEmpty())
        box.setEscapeButton(pushed.last());
    box.exec();
    const qsizetype index = pushed.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return static_cast<int>(index < 0 ? buttons.size() - 1 : index);
}

std::optional<QString> TQtPrompts::Input(const QString& caption, const QString& prompt,
                                         const QString& initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(DialogParent(), caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> TQtPrompts::OpenFile(const QString& caption, const QString& folder,
                                            const QString& filter) {
    const QString path =
        QFileDialog::getOpenFileName(DialogParent(), caption, folder, AnyCaseFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> TQtPrompts::SaveFile(const QString& caption, const QString& path,
                                            const QString& filter) {
    const QString chosen = QFileDialog::getSaveFileName(DialogParent(), caption, path, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

std::optional<QString> TQtPrompts::ChooseFolder(const QString& caption, const QString& folder) {
    const QString path = QFileDialog::getExistingDirectory(DialogParent(), caption, folder);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> TQtPrompts::ChooseScenario(const QStringList& names) {
    TSelectScenarioForm form(DialogParent());
    form.SetScenarios(names);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.SelectedScenario();
}

TPromptAnswer TDecliningPrompts::Message(const QString&, const QString&, TPromptButtons buttons) {
    return buttons == TPromptButtons::Ok ? TPromptAnswer::Ok : TPromptAnswer::Cancel;
}

int TDecliningPrompts::Ask(const QString&, const QString&, const QStringList& buttons) {
    return static_cast<int>(buttons.size() - 1);
}

std::optional<QString> TDecliningPrompts::Input(const QString&, const QString&, const QString&) {
    return std::nullopt;
}

std::optional<QString> TDecliningPrompts::OpenFile(const QString&, const QString&, const QString&) {
    return std::nullopt;
}

std::optional<QString> TDecliningPrompts::SaveFile(const QString&, const QString&, const QString&) {
    return std::nullopt;
}

std::optional<QString> TDecliningPrompts::ChooseFolder(const QString&, const QString&) {
    return std::nullopt;
}

std::optional<QString> TDecliningPrompts::ChooseScenario(const QStringList&) {
    return std::nullopt;
}

std::optional<int> TDecliningPrompts::ChooseItem(const QString&, const QString&,
                                                 const QStringList&) {
    return std::nullopt;
}

std::optional<int> TQtPrompts::ChooseItem(const QString& caption, const QString& prompt,
                                          const QStringList& items) {
    bool ok = false;
    const QString item =
        QInputDialog::getItem(DialogParent(), caption, prompt, items, 0, false, &ok);
    if (!ok || !items.contains(item))
        return std::nullopt;
    return static_cast<int>(items.indexOf(item));
}
