#include "app/TStartPanel.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TStartPanel::TStartPanel(QWidget* parent) : QFrame(parent), Recent_(new QListWidget(this)) {
    setObjectName(QStringLiteral("StartPanel"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("No scenario is open. Begin with one of these:"), this);
    intro->setObjectName(QStringLiteral("StartLabel"));
    intro->setWordWrap(true);
    layout->addWidget(intro);
    connect(
        AddButton(QStringLiteral("OpenSampleButton"), QStringLiteral("Open the sam&ple scenario")),
        &QPushButton::clicked, this, &TStartPanel::OpenSampleRequested);
    connect(AddButton(QStringLiteral("NewFromTemplateButton"),
                      QStringLiteral("New scenario fro&m the template")),
            &QPushButton::clicked, this, &TStartPanel::NewFromTemplateRequested);
    connect(
        AddButton(QStringLiteral("OpenFolderButton"), QStringLiteral("&Browse for a folder...")),
        &QPushButton::clicked, this, &TStartPanel::OpenFolderRequested);

    auto* recentLabel = new QLabel(QStringLiteral("&Recent scenarios:"), this);
    recentLabel->setObjectName(QStringLiteral("RecentLabel"));
    recentLabel->setBuddy(Recent_);
    Recent_->setObjectName(QStringLiteral("RecentListBox"));
    Recent_->setAccessibleName(QStringLiteral("Recent scenarios"));
    Recent_->setUniformItemSizes(true);
    // A few lines are enough; the menu holds the same list.
    Recent_->setMaximumHeight(Recent_->fontMetrics().lineSpacing() * 6);
    layout->addWidget(recentLabel);
    layout->addWidget(Recent_);
    connect(Recent_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        emit OpenRecentRequested(item->data(Qt::UserRole).toString());
    });
}

QPushButton* TStartPanel::AddButton(const QString& name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    layout()->addWidget(button);
    return button;
}

void TStartPanel::SetRecent(const QStringList& folders) {
    Recent_->clear();
    for (const QString& folder : folders) {
        auto* item = new QListWidgetItem(QDir(folder).dirName(), Recent_);
        item->setToolTip(folder);
        item->setData(Qt::UserRole, folder);
    }
}
