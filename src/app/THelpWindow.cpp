#include "app/THelpWindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

THelpWindow::THelpWindow(const QString& contentsPage, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("THelpWindow"));
    setWindowTitle(QStringLiteral("Stumpcraft Help"));
    setProperty("helpTopic", 0);
    // An open manual never keeps the program running (and holding its
    // single-instance lock) after the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    Browser_ = new QTextBrowser(this);
    Browser_->setObjectName(QStringLiteral("HelpBrowser"));
    Browser_->setOpenLinks(false);
    connect(Browser_, &QTextBrowser::anchorClicked, this, &THelpWindow::LinkClicked);

    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    back->setObjectName(QStringLiteral("BackButton"));
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    forward->setObjectName(QStringLiteral("ForwardButton"));
    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("ContentsButton"));
    connect(back, &QPushButton::clicked, Browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, Browser_, &QTextBrowser::forward);
    connect(Browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(Browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this,
            [this, contentsPage] { ShowPage(contentsPage); });
    back->setEnabled(false);
    forward->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser_);
    resize(760, 600);
}

void THelpWindow::ShowPage(const QString& file) {
    // "page.html#part" shows the page at that part.
    const qsizetype part = file.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(part < 0 ? file : file.left(part));
    if (part >= 0)
        url.setFragment(file.mid(part + 1));
    Browser_->setSource(url);
}

QString THelpWindow::CurrentFile() const {
    return Browser_->source().toLocalFile();
}

void THelpWindow::LinkClicked(const QUrl& url) {
    // Pages of the manual stay here; everything else goes to the browser.
    if (url.isRelative() || url.isLocalFile()) {
        const QUrl resolved = Browser_->source().resolved(url);
        if (resolved.fileName().endsWith(QLatin1String(".html")) ||
            resolved.fileName().endsWith(QLatin1String(".htm"))) {
            Browser_->setSource(resolved);
            return;
        }
        if (url.hasFragment() && url.path().isEmpty()) {
            Browser_->scrollToAnchor(url.fragment());
            return;
        }
    }
    emit ExternalLinkClicked(url);
}
