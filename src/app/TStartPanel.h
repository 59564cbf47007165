#pragma once

#include <QFrame>
#include <QStringList>

class QListWidget;
class QPushButton;

// What the main window shows while no scenario is open: the ways to begin
// and the scenarios opened last.
class TStartPanel : public QFrame {
    Q_OBJECT
public:
    explicit TStartPanel(QWidget* parent = nullptr);

    // The recent scenario folders, newest first: shown by name, the folder
    // as tooltip.
    void SetRecent(const QStringList& folders);
    QListWidget* RecentListBox() const { return Recent_; }

signals:
    void OpenSampleRequested();
    void NewFromTemplateRequested();
    void OpenFolderRequested();
    void OpenRecentRequested(const QString& folder);

private:
    QPushButton* AddButton(const QString& name, const QString& caption);

    QListWidget* Recent_;
};
