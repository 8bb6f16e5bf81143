// The shell on Qt's offscreen platform: the About box laid out from its
// template, profile settings in a QSettings file however damaged, and a
// start-up that cannot open the file it was given.
#include "app/TavroApp.h"
#include "framework/Document.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtProfile.h"
#include "framework/qt/QtWindowSystem.h"
#include "res/BuildConfig.h"
#include "res/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

QString FromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

TEST(AboutBox, NamesTheVersionAndTheProjectButNoPerson) {
    EXPECT_EQ(std::string(about_box::kVersionText),
              std::string("タヴロ ～ Version ") + g_programVersion + " ～");
    EXPECT_EQ(std::string(about_box::kMailText).rfind("メール：", 0), 0u);
    EXPECT_EQ(std::string(about_box::kWebText).rfind("ＵＲＬ：https://", 0), 0u);
}

TEST(AboutBox, IsLaidOutInDialogUnitsOfItsJapaneseFont) {
    const std::unique_ptr<QDialog> dialog = BuildDialog(g_aboutBox, nullptr);
    EXPECT_EQ(dialog->windowTitle(), FromUtf8("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(QFontInfo(dialog->font()).family(), QStringLiteral("IPAPGothic"));
    const QSize units = DialogBaseUnits(dialog->font());
    ASSERT_GT(units.width(), 0);
    // The whole box: 235 x 83 units.
    EXPECT_EQ(dialog->size(), QSize((235 * units.width() + 2) / 4, (83 * units.height() + 4) / 8));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());

    const QList<QLabel*> labels = dialog->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 4);
    const QPixmap icon = labels[0]->pixmap();
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(labels[0]->pos(),
              QPoint((11 * units.width() + 2) / 4, (17 * units.height() + 4) / 8));
    const char* const texts[] = {about_box::kVersionText, about_box::kMailText,
                                 about_box::kWebText};
    for (int i = 0; i < 3; ++i) {
        const QLabel& label = *labels[i + 1];
        EXPECT_EQ(label.text(), FromUtf8(texts[i]));
        // Each line fits its control whole: nothing is cut off.
        EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()), label.width()) << texts[i];
        EXPECT_LE(label.fontMetrics().height(), label.height() + 2) << texts[i];
        EXPECT_EQ(label.x(), (47 * units.width() + 2) / 4);
    }
    const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), QStringLiteral("OK"));
    EXPECT_TRUE(buttons[0]->isDefault());
    EXPECT_EQ(buttons[0]->geometry().right() + 1, (228 * units.width() + 2) / 4);
}

TEST(AboutBox, OkGivesItsIdAndEscapeTheCancelAnswer) {
    for (const bool escape : {false, true}) {
        QTimer::singleShot(0, [escape] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->findChild<QPushButton*>()->click();
        });
        EXPECT_EQ(RunDialog(g_aboutBox, nullptr), escape ? 2 : kDialogOk);
    }
}

// QSettings files in a folder of their own for one test.
struct SettingsFolder {
    QTemporaryDir folder;
    SettingsFolder() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    }
    QString File() const { return folder.path() + "/組織/Tavro.conf"; }
    void Put(const QByteArray& bytes) const {
        QDir(folder.path()).mkpath("組織");
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST(SettingsOnQt, GoRoundTripUnderTheOrganisationAndTheApplication) {
    SettingsFolder settings;
    {
        QtProfile profile(FromUtf8("組織"), QStringLiteral("Tavro"));
        EXPECT_EQ(profile.FileName(), settings.File());
        profile.Write("Recent File List", "File1", "/home/me/対局.tavro");
        profile.Write("Settings", "PreviewPages", "2");
        std::string problem;
        EXPECT_TRUE(profile.Flush(problem)) << problem;
    }
    QtProfile again(FromUtf8("組織"), QStringLiteral("Tavro"));
    EXPECT_EQ(again.Read("Recent File List", "File1"), "/home/me/対局.tavro");
    EXPECT_EQ(again.Read("Settings", "PreviewPages"), "2");
    EXPECT_EQ(again.Read("Settings", "Nothing"), std::nullopt);
}

TEST(SettingsOnQt, ADamagedFileReadsAsWhatCanBeReadAndIsWrittenAfresh) {
    SettingsFolder settings;
    static const char kGarbage[] =
        "\x00\xff\xfe[[[\n=\n@Variant(\x01\x02)\n[Recent%20File%20List]\n"
        "File1=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QFoo\\0)\nFile2=\"open\n";
    settings.Put(QByteArray(kGarbage, sizeof kGarbage - 1));
    QtProfile profile(FromUtf8("組織"), QStringLiteral("Tavro"));
    EXPECT_EQ(profile.Read("Recent File List", "File1"), std::nullopt);
    EXPECT_EQ(profile.Read("Settings", "PreviewPages"), std::nullopt);
    profile.Write("Recent File List", "File1", "/a");
    std::string problem;
    EXPECT_TRUE(profile.Flush(problem)) << problem;
    QSettings check(settings.File(), QSettings::IniFormat);
    EXPECT_EQ(check.status(), QSettings::NoError);
    EXPECT_EQ(check.value("Recent File List/File1").toString(), QStringLiteral("/a"));
}

TEST(SettingsOnQt, AFileThatCannotBeWrittenIsReportedNotFatal) {
    SettingsFolder settings;
    QDir(settings.folder.path()).mkpath("組織/Tavro.conf"); // a folder where the file goes
    QtProfile profile(FromUtf8("組織"), QStringLiteral("Tavro"));
    EXPECT_EQ(profile.Read("Recent File List", "File1"), std::nullopt);
    profile.Write("Recent File List", "File1", "/a");
    std::string problem;
    EXPECT_FALSE(profile.Flush(problem));
    EXPECT_EQ(problem, "cannot write " + settings.File().toStdString());
}

TEST(StartUpOnQt, AFileThatCannotBeOpenedIsSaidInABoxAndNoWindowStays) {
    SettingsFolder settings;
    QtWindowSystem windows;
    SetWindowSystem(&windows);
    const std::string missing = (settings.folder.path() + "/なし.tavro").toStdString();
    CTavroApp app;
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = missing;
    app.SetCommandLine(info);
    QString caption, text;
    QTimer::singleShot(0, [&caption, &text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    testing::internal::CaptureStderr();
    EXPECT_FALSE(app.InitInstance());
    // The offscreen platform may add notes of its own after the line.
    const std::string line = FileOpenFailureLine(missing, ENOENT) + "\n";
    EXPECT_EQ(testing::internal::GetCapturedStderr().substr(0, line.size()), line);
    EXPECT_EQ(caption, QStringLiteral("Tavro"));
    EXPECT_EQ(text.toStdString(), FileOpenFailureText(missing, ENOENT));
    EXPECT_EQ(app.GetDocTemplate()->Frame(), nullptr);
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_FALSE(widget->isVisible()) << widget->metaObject()->className();
    SetWindowSystem(nullptr);
}

} // namespace
