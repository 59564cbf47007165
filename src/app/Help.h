#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QApplication;
class QWidget;
class THelpWindow;

// The program's help: the bundled HTML manual shown in its own window,
// opened at the page of a topic number (data/help/topics.map holds lines
// "NUMBER PAGE"; 0 is the start page index.html), and the two web pages
// opened in the browser. A window states its topic with the dynamic
// property "helpTopic" (int).
namespace Help {

void SetHelpFolder(const QString& folder);
QString HelpFolder();

// The page file of a topic; the start page for 0 and for unknown topics.
QString PageForTopic(int topic);
// The topic of a window: its "helpTopic", else its parent's; 0 when none.
int TopicOf(const QWidget* window);

// Shows the help window at a topic's page; returns it.
THelpWindow* ShowTopic(int topic);
// The help window, when it was shown once.
THelpWindow* Window();
// F1 anywhere opens the topic of the active window.
void InstallF1(QApplication& application);

// "Online Help" and "Updates": a box titled "Online Help", then the page in
// the browser.
void OnlineHelp();
void Updates();
QUrl OnlineHelpUrl();
QUrl UpdatesUrl();
// A configured address: a URL with a scheme as it is, a relative path taken
// from the folder that holds the help folder.
QUrl ResolveAddress(const QString& address);

// Opens addresses in the browser; tests replace it. Failures are ignored.
using TUrlOpener = std::function<void(const QUrl&)>;
void SetUrlOpener(TUrlOpener opener);
void OpenUrl(const QUrl& url);

} // namespace Help
