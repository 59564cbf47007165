#pragma once

// Helpers of the Step 5 window tests, on a copy of the sample scenario.
#include "editors/world/WorldTestScenario.h"
#include "guisupport/FormChecks.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTimer>

namespace PartiesTest {

using GuiTest::Text;
using WorldTest::Control;
using WorldTest::Entries;

// The sample's parties by position.
inline TXmlNode* PartyAt(TScenarioData& data, int index) {
    return data.Parties()->GetChildAt(index);
}

// Closes the next modal window once it shows, after look has seen it;
// returns the class name of that window through opened.
inline void CloseNextModal(QString* opened, std::function<void(QWidget*)> look = {}) {
    QTimer::singleShot(0, [opened, look] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (opened)
            *opened = QString::fromLatin1(modal->metaObject()->className());
        if (look)
            look(modal);
        modal->close();
    });
}

inline void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Writes a file that is not a readable bitmap.
inline bool WriteBitmap(const QString& path, QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "BMP");
}

} // namespace PartiesTest
