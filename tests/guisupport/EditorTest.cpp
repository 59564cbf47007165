#include "guisupport/EditorTest.h"

#include <QTest>

namespace GuiTest {

QString WorldFolder() {
    return QStringLiteral(TEST_DATA_DIR "/verify/world");
}

TEditorTest::TEditorTest(QString source) : Source_(std::move(source)) {}

TEditorTest::~TEditorTest() = default;

void TEditorTest::init() {
    Copy_ = std::make_unique<TScenarioCopy>(Source_);
    QVERIFY2(Copy_->IsOpen(), qPrintable(Copy_->Problem()));
    Started();
}

void TEditorTest::cleanup() {
    Form_.reset();
    if (Copy_ && Copy_->IsOpen())
        Finishing();
    Copy_.reset();
}

} // namespace GuiTest
