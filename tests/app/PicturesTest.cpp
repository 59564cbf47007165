// The scenario's pictures on a copy of the sample: what showing reads and
// writes, and every picture chooser of the editors driven through its form.
#include "app/Pictures.h"
#include "editors/content/TActivitiesEditorForm.h"
#include "editors/parties/TLeaderEditForm.h"
#include "editors/parties/TPartyEditForm.h"
#include "editors/world/TIssueEditorForm.h"
#include "editors/world/TPoliticalUnitEditorForm.h"
#include "editors/world/TScenarioEditorForm.h"
#include "guisupport/FormChecks.h"
#include "guisupport/ScenarioCopy.h"
#include "guisupport/ScriptedPrompts.h"
#include "scenario/edit/CandidatesEdit.h"
#include "scenario/edit/IssuesEdit.h"
#include "scenario/edit/PoliticalUnitsEdit.h"
#include "xml/TXmlNode.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

QString Save(const QString& path, QColor colour, QSize size = QSize(120, 90),
             QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.convertToFormat(format).save(path, "BMP") ? path : QString();
}

QString Junk(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("BM no bitmap") > 0 ? path : QString();
}

// Links count too, dangling ones included.
QStringList Files(const QString& folder) {
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::System);
    files.sort();
    return files;
}

QColor Centre(const QImage& image) {
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// One picture chooser: its form opened at an item, the element naming the
// item's picture (none for the scenario picture), and the name a chosen
// file is stored under.
struct TChooser {
    const char* Name;
    const Pictures::TKind& Kind;
    const char* Button;
    const char* Picture;
    std::function<std::unique_ptr<QDialog>(TScenarioData&)> Open;
    std::function<TXmlNode*(QDialog*, TScenarioData&)> Element;
    std::function<QString(const QString&)> StoredName = [](const QString& name) { return name; };
};

TXmlNode* Leader(TScenarioData& data) {
    return data.Parties()->GetChildAt(0)->GetChild("leaders")->GetChildAt(0);
}

std::function<QString(const QString&)> Suffixed(const char* suffix) {
    return [suffix](const QString& name) {
        return QString::fromStdString(CandidatesEdit::PortraitName(name.toStdString(), suffix));
    };
}

const std::vector<TChooser>& Choosers() {
    static const std::vector<TChooser> choosers{
        {"activity", Pictures::Activity, "ChangePictureButton", "ActivityPicture",
         [](TScenarioData& data) { return std::make_unique<TActivitiesEditorForm>(data); },
         [](QDialog* form, TScenarioData&) {
             return static_cast<TActivitiesEditorForm*>(form)->SelectedActivity()->GetChild(
                 "picture");
         }},
        {"issue", Pictures::Issue, "ChangeImageButton", "IssueImage",
         [](TScenarioData& data) {
             auto form = std::make_unique<TIssueEditorForm>(data);
             int row = 0;
             while (IssuesEdit::IsAttribute(data.Issues()->GetChildAt(row)))
                 ++row;
             form->show();
             GuiTest::Find<QListWidget>(form.get(), "IssuesListBox")->setCurrentRow(row);
             return form;
         },
         [](QDialog* form, TScenarioData&) {
             return static_cast<TIssueEditorForm*>(form)->SelectedIssue()->GetChild("picture");
         }},
        {"party", Pictures::Party, "ChangeImageButton", "PartyImage",
         [](TScenarioData& data) {
             return std::make_unique<TPartyEditForm>(data, data.Parties()->GetChildAt(0));
         },
         [](QDialog*, TScenarioData& data) {
             return data.Parties()->GetChildAt(0)->GetChild("picture");
         }},
        {"large portrait", Pictures::LargePortrait, "ChangeLargeImageButton", "LargeImage",
         [](TScenarioData& data) { return std::make_unique<TLeaderEditForm>(data, Leader(data)); },
         [](QDialog*, TScenarioData& data) { return Leader(data)->GetChild("image_large"); },
         Suffixed("_large")},
        {"small portrait", Pictures::SmallPortrait, "ChangeSmallImageButton", "SmallImage",
         [](TScenarioData& data) { return std::make_unique<TLeaderEditForm>(data, Leader(data)); },
         [](QDialog*, TScenarioData& data) { return Leader(data)->GetChild("image_small"); },
         Suffixed("_small")},
        {"flag", Pictures::Flag, "ChangeLogoButton", "LogoImage",
         [](TScenarioData& data) {
             auto form = std::make_unique<TPoliticalUnitEditorForm>(data);
             form->show();
             GuiTest::Find<QListWidget>(form.get(), "RegionsListBox")->setCurrentRow(0);
             return form;
         },
         [](QDialog*, TScenarioData& data) {
             return PoliticalUnitsEdit::Regions(data).front()->GetChild("logo");
         }},
        {"scenario picture", Pictures::Scenario, "ChangeImageButton", "ScenarioImage",
         [](TScenarioData& data) { return std::make_unique<TScenarioEditorForm>(data); },
         [](QDialog*, TScenarioData&) { return nullptr; },
         [](const QString&) { return QStringLiteral("scenario.bmp"); }},
    };
    return choosers;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GuiTest::TScenarioCopy> Copy;
    std::unique_ptr<QTemporaryDir> Outside;

    TScenarioData& Data() { return Copy->Data(); }

private slots:
    void init() {
        Copy = std::make_unique<GuiTest::TScenarioCopy>();
        QVERIFY2(Copy->IsOpen(), qPrintable(Copy->Problem()));
        Outside = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        Copy.reset();
        Outside.reset();
    }

    void OnlyAMissingPictureIsEverWrittenWhenShown() {
        const QString folder = Pictures::Folder(Data(), Pictures::Activity);
        const QString odd = Save(folder + "QUIET DAY.BMP", Qt::green, QSize(40, 40));
        const QByteArray oddBytes = GuiTest::FileBytes(odd);
        Junk(folder + "junk.bmp");
        const QStringList before = Files(folder);

        // Found in another letter case, stretched, never rewritten.
        const QImage shown =
            Pictures::ShowCreatingMissing(Data(), Pictures::Activity, "Quiet Day.bmp");
        QCOMPARE(shown.size(), QSize(32, 32));
        QCOMPARE(Centre(shown), QColor(Qt::green));
        QCOMPARE(GuiTest::FileBytes(odd), oddBytes);
        // Unreadable: shown blank and left alone; a folder part: never made.
        QCOMPARE(Centre(Pictures::ShowCreatingMissing(Data(), Pictures::Activity, "junk.bmp")),
                 QColor(Qt::white));
        for (const char* name : {"../outside.bmp", "sub/inside.bmp", ""})
            Pictures::ShowCreatingMissing(Data(), Pictures::Activity, name);
        QVERIFY(!QFile::exists(Copy->FilePath("outside.bmp")));
        QCOMPARE(Pictures::Show(Data(), Pictures::Activity, "missing.bmp"),
                 Pictures::Blank(QSize(32, 32)));
        QCOMPARE(Files(folder), before);

        // Missing: created blank at its size, 24 bits per pixel.
        Pictures::ShowCreatingMissing(Data(), Pictures::Activity, "missing.bmp");
        QVERIFY(Pictures::IsStoredAt(folder + "missing.bmp", QSize(32, 32)));
        QCOMPARE(Centre(QImage(folder + "missing.bmp")), QColor(Qt::white));
        QVERIFY(!Pictures::IsStoredAt(folder + "missing.bmp", QSize(32, 33)));
        const QString indexed =
            Save(folder + "indexed.bmp", Qt::red, QSize(32, 32), QImage::Format_Indexed8);
        QVERIFY(!Pictures::IsStoredAt(indexed, QSize(32, 32)));
    }

    void LinksOutOfTheScenarioCountAsMissing() {
        const QString mine = Save(Outside->filePath("mine.bmp"), Qt::green, QSize(32, 32));
        const QByteArray mineBytes = GuiTest::FileBytes(mine);
        const QString folder = Pictures::Folder(Data(), Pictures::Issue);
        QVERIFY(QFile::link(mine, folder + "linked.bmp"));
        QVERIFY(QFile::link(Outside->filePath("created.bmp"), folder + "dangling.bmp"));
        QVERIFY(Pictures::Load(Data(), Pictures::Issue, "linked.bmp").isNull());
        for (const char* name : {"linked.bmp", "dangling.bmp"})
            QCOMPARE(Centre(Pictures::ShowCreatingMissing(Data(), Pictures::Issue, name)),
                     QColor(Qt::white));

        // A picture folder that is itself a link out.
        const QString flags = Pictures::Folder(Data(), Pictures::Flag);
        QVERIFY(QDir(flags).removeRecursively());
        QVERIFY(QFile::link(Outside->path(), flags.chopped(1)));
        QVERIFY(Pictures::Load(Data(), Pictures::Flag, "mine.bmp").isNull());
        Pictures::ShowCreatingMissing(Data(), Pictures::Flag, "new.bmp");
        QCOMPARE(Files(Outside->path()), QStringList{"mine.bmp"});
        QCOMPARE(GuiTest::FileBytes(mine), mineBytes);
    }

    void AMapWithoutItsSizeIsWrittenBackAtIt() {
        const QString map = Copy->FilePath("map.bmp");
        Save(map, Qt::yellow, QSize(300, 200));
        QCOMPARE(Centre(Pictures::LoadAtSize(Data(), Pictures::Map, "MAP.bmp")),
                 QColor(Qt::yellow));
        QVERIFY(Pictures::IsStoredAt(map, QSize(501, 381)));
    }

    void EveryChooserAsksBeforeReplacingAndNeverWritesOutside_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < static_cast<int>(Choosers().size()); ++i)
            QTest::newRow(Choosers()[static_cast<size_t>(i)].Name) << i;
    }
    void EveryChooserAsksBeforeReplacingAndNeverWritesOutside() {
        QFETCH(int, index);
        const TChooser& chooser = Choosers()[static_cast<size_t>(index)];
        TScriptedPrompts prompts;
        const std::unique_ptr<QDialog> form = chooser.Open(Data());
        form->show();
        const QString folder = Pictures::Folder(Data(), chooser.Kind);
        auto* button = GuiTest::Find<QPushButton>(form.get(), chooser.Button);
        auto* picture = GuiTest::Find<QLabel>(form.get(), chooser.Picture);
        auto named = [&] {
            const TXmlNode* element = chooser.Element(form.get(), Data());
            return element ? QString::fromStdString(element->GetText()) : QString();
        };
        const QString before = named();
        const QStringList files = Files(folder);

        // Cancelled, or a file that is no bitmap: nothing changes.
        prompts.CancelFile();
        QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(QDir(prompts.Shown().front().Text).absolutePath(), QDir(folder).absolutePath());
        prompts.ChooseFile(Junk(Outside->filePath("junk.bmp"))).Ok("Error");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(named(), before);
        QCOMPARE(Files(folder), files);

        // A picture from elsewhere is stored at its size under its name.
        const QString fresh = chooser.StoredName("Fresh.bmp");
        const bool taken = QFile::exists(folder + fresh);
        prompts.ChooseFile(Save(Outside->filePath("Fresh.bmp"), Qt::red));
        if (taken)
            prompts.Answer(TPromptAnswer::Yes, "Warning");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(Pictures::IsStoredAt(folder + fresh, chooser.Kind.Size));
        QCOMPARE(Centre(QImage(folder + fresh)), QColor(Qt::red));
        QCOMPARE(Centre(picture->pixmap().toImage()), QColor(Qt::red));
        if (!before.isEmpty()) {
            QCOMPARE(named(), fresh);
            QVERIFY(QFile::exists(folder + before));
        }

        // Another item's picture of the same name is replaced only on Yes.
        QString other;
        for (const QString& file : Files(folder))
            if (file.endsWith(".bmp") && chooser.StoredName(file) == file && file != fresh &&
                file != before)
                other = file;
        if (before.isEmpty())
            other = fresh;
        const QByteArray otherBytes = GuiTest::FileBytes(folder + other);
        const QString blue = Save(Outside->filePath(other), Qt::blue);
        for (const TPromptAnswer answer : {TPromptAnswer::No, TPromptAnswer::Yes}) {
            prompts.ChooseFile(blue).Answer(answer, "Warning");
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
            QCOMPARE(prompts.MessageTexts().back(),
                     QStringLiteral("Do you wish to overwrite %1?").arg(other));
            if (answer == TPromptAnswer::No) {
                QCOMPARE(GuiTest::FileBytes(folder + other), otherBytes);
                QCOMPARE(named(), before.isEmpty() ? QString() : fresh);
            }
        }
        QCOMPARE(Centre(QImage(folder + other)), QColor(Qt::blue));
        QCOMPARE(named(), before.isEmpty() ? QString() : other);

        // The stored file itself is only named, never written again.
        const QByteArray stored = GuiTest::FileBytes(folder + other);
        prompts.ChooseFile(folder + other);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QCOMPARE(GuiTest::FileBytes(folder + other), stored);

        // A destination that links out of the scenario: told, nothing written.
        const QString mine = Save(Outside->filePath("mine.bmp"), Qt::green);
        const QByteArray mineBytes = GuiTest::FileBytes(mine);
        const QString link = folder + chooser.StoredName("Linked.bmp");
        QFile::remove(link);
        QVERIFY(QFile::link(mine, link));
        const QString wanted = named();
        prompts.ChooseFile(Save(Outside->filePath("Linked.bmp"), Qt::red)).Ok("Error");
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY2(prompts.Done(), qPrintable(prompts.Problems()));
        QVERIFY(prompts.MessageTexts().back().contains("leads out of the scenario folder"));
        QCOMPARE(GuiTest::FileBytes(mine), mineBytes);
        QCOMPARE(named(), wanted);
        QStringList outside{"Fresh.bmp", "Linked.bmp", "junk.bmp", "mine.bmp", other};
        outside.sort();
        QCOMPARE(Files(Outside->path()), outside);
    }
};

QTEST_MAIN(PicturesTest)
#include "PicturesTest.moc"
