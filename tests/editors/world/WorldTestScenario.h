#pragma once

// The Step 1 editors' tests work on a copy of a small clean scenario
// (tests/data/verify/world) that holds every settings element.
#include "guisupport/ScenarioCopy.h"
#include "scenario/TScenarioData.h"
#include "xml/TXmlNode.h"

#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <string>

namespace WorldTest {

inline QString WorldFolder() {
    return QStringLiteral(TEST_DATA_DIR "/verify/world");
}

// The element at a path of child names below root ("economy/targets").
inline TXmlNode* At(TXmlNode* root, const std::string& path) {
    TXmlNode* node = root;
    size_t start = 0;
    while (node) {
        const size_t slash = path.find('/', start);
        node = node->GetChild(path.substr(start, slash - start));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return node;
}

inline std::string TextAt(TXmlNode* root, const std::string& path) {
    const TXmlNode* node = At(root, path);
    return node ? node->GetText() : "<missing>";
}

inline void Remove(TXmlNode* root, const std::string& path) {
    TXmlNode* node = At(root, path);
    QVERIFY2(node, path.c_str());
    QVERIFY(node->Parent()->RemoveChild(node));
}

template <typename T> T* Control(QWidget* form, const char* name) {
    T* control = form->findChild<T*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// The texts of a list's entries, in order.
inline QStringList Entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace WorldTest
