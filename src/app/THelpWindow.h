#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

// The manual's window: a browser over the bundled HTML pages.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    void ShowPage(const QString& file);
    QTextBrowser* Browser() const { return Browser_; }
    // The file shown, empty before the first page.
    QString CurrentFile() const;

private:
    void LinkClicked(const QUrl& url);

    QTextBrowser* Browser_;
};
