#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

// The manual's window: a browser over the bundled HTML pages.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // contents is the manual's first page, for the Contents button.
    explicit THelpWindow(const QString& contents, QWidget* parent = nullptr);

    // file may end in "#part" to show that part of the page.
    void ShowPage(const QString& file);
    QTextBrowser* Browser() const { return Browser_; }
    // The file shown, empty before the first page.
    QString CurrentFile() const;

signals:
    // A link out of the manual (a web page, a mail address) was clicked.
    void ExternalLinkClicked(const QUrl& url);

private:
    void LinkClicked(const QUrl& url);

    QTextBrowser* Browser_;
};
