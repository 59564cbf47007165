#include "app/Help.h"

#include "app/Prompts.h"
#include "app/THelpWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QTextStream>

namespace Help {

namespace {

QString Folder;
QPointer<THelpWindow> HelpWindow;

TUrlOpener& Opener() {
    static TUrlOpener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}

class TF1Filter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 && watched->isWidgetType()) {
            QWidget* window = QApplication::activeModalWidget();
            if (!window)
                window = QApplication::activeWindow();
            if (!window)
                window = static_cast<QWidget*>(watched)->window();
            ShowTopic(TopicOf(window));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void SetHelpFolder(const QString& folder) {
    Folder = folder;
    if (!Folder.isEmpty() && !Folder.endsWith(QLatin1Char('/')))
        Folder += QLatin1Char('/');
}

QString HelpFolder() {
    return Folder;
}

QString PageForTopic(int topic) {
    const QString start = Folder + QStringLiteral("index.html");
    if (topic <= 0)
        return start;
    QFile map(Folder + QStringLiteral("topics.map"));
    if (!map.open(QIODevice::ReadOnly | QIODevice::Text))
        return start;
    QTextStream in(&map);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok = false;
        if (parts.size() >= 2 && parts[0].toInt(&ok) == topic && ok) {
            // A page may name a part of itself: "page.html#part".
            const QString file = parts[1].section(QLatin1Char('#'), 0, 0);
            // Only pages inside the manual's folder.
            if (!parts[1].contains(QLatin1String("..")) && QFileInfo::exists(Folder + file))
                return Folder + parts[1];
            return start;
        }
    }
    return start;
}

int TopicOf(const QWidget* window) {
    for (const QWidget* w = window; w; w = w->parentWidget()) {
        const QVariant topic = w->property("helpTopic");
        if (topic.isValid())
            return topic.toInt();
    }
    return 0;
}

THelpWindow* ShowTopic(int topic) {
    if (!HelpWindow) {
        HelpWindow = new THelpWindow(PageForTopic(0));
        QObject::connect(HelpWindow, &THelpWindow::ExternalLinkClicked, &OpenUrl);
    }
    HelpWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    // Under an open modal dialog a plain window takes no input; show the
    // manual above it instead.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal && modal != HelpWindow ? Qt::ApplicationModal : Qt::NonModal;
    if (HelpWindow->windowModality() != wanted) {
        HelpWindow->hide();
        HelpWindow->setWindowModality(wanted);
    }
    HelpWindow->ShowPage(PageForTopic(topic));
    HelpWindow->show();
    HelpWindow->raise();
    HelpWindow->activateWindow();
    return HelpWindow;
}

THelpWindow* Window() {
    return HelpWindow;
}

void InstallF1(QApplication& application) {
    application.installEventFilter(new TF1Filter(&application));
}

QUrl ResolveAddress(const QString& address) {
    const QUrl url(address);
    if (!url.scheme().isEmpty() && url.scheme().size() > 1)
        return url;
    QDir base(Folder.isEmpty() ? QStringLiteral(".") : Folder);
    base.cdUp();
    return QUrl::fromLocalFile(QDir::cleanPath(base.absoluteFilePath(address)));
}

QUrl OnlineHelpUrl() {
    return ResolveAddress(QStringLiteral(STUMPCRAFT_ONLINE_HELP_URL));
}

QUrl UpdatesUrl() {
    return ResolveAddress(QStringLiteral(STUMPCRAFT_UPDATES_URL));
}

void OnlineHelp() {
    Prompts().Message(
        QStringLiteral("Online Help"),
        QStringLiteral("You will now go to the ONLINE help through your default web-browser"
                       " (the online help file is the definitive help file)."
                       " You can also view the LOCAL help file by pressing F1 while in "
                       "Stumpcraft."));
    OpenUrl(OnlineHelpUrl());
}

void Updates() {
    Prompts().Message(
        QStringLiteral("Online Help"),
        QStringLiteral("You will now go to the updates page through your default web-browser."));
    OpenUrl(UpdatesUrl());
}

void SetUrlOpener(TUrlOpener opener) {
    Opener() = opener ? std::move(opener) : [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

void OpenUrl(const QUrl& url) {
    if (url.isValid())
        Opener()(url);
}

} // namespace Help
