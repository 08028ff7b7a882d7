// SPDX-License-Identifier: GPL-3.0-or-later
#include "vareditors/ui/TfrmVarComplex.h"
#include "vareditors/ui/TfrmVarReal.h"

#include "base/ui/ScriptedDialogService.h"
#include "support/ui/FakeMainFrame.h"
#include "support/ui/FileBytes.h"
#include "varfile/RealText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace vexil::vareditors {
namespace {

using testing::FakeMainFrame;
using testing::ReadBytes;
using testing::WriteBytes;
using uibase::ScopedScriptedDialogs;

void Enter(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST(RealEditor, EntriesAreRoundedAndRangeChecked)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarReal real(frame);
    real.prepareNew(true, 2);
    EXPECT_EQ(real.windowTitle(), "Untitled2 [TI-82 Real]");
    EXPECT_EQ(real.valueBox()->text(), "0");

    Enter(real.valueBox(), QStringLiteral(" 12.5e1 "));
    EXPECT_EQ(real.value(), 125.0);
    EXPECT_EQ(real.valueBox()->text(), "125");
    EXPECT_EQ(real.valueBox()->selectedText(), "125");
    EXPECT_TRUE(dialogs->shown.empty());

    // 1E100 and a value that rounds to it are refused; the previous value comes back.
    for (const char *refused : {"1E100", "9.99999999999999E99", "2*3"}) {
        Enter(real.valueBox(), QString::fromLatin1(refused));
        EXPECT_EQ(real.value(), 125.0) << refused;
        EXPECT_EQ(real.valueBox()->text(), "125") << refused;
    }
    ASSERT_EQ(dialogs->shown.size(), 3u);
    EXPECT_EQ(dialogs->shown[0].text, varfile::kInvalidRealMessage);

    // Stored rounded to 14 digits.
    Enter(real.valueBox(), QStringLiteral("0.333333333333333333"));
    EXPECT_EQ(real.valueBox()->text(), "0.33333333333333");

    // Another document window becoming active takes the typed entry.
    real.valueBox()->setText(QStringLiteral("7"));
    emit frame.mdiArea().subWindowActivated(nullptr);
    EXPECT_EQ(real.value(), 7.0);
}

TEST(RealEditor, ThetaRoundTripAndPendingEntryIsSaved)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarReal real(frame);
    real.prepareNew(false, 1);
    real.nameBox()->setCurrentText(QStringLiteral("Theta"));
    EXPECT_TRUE(real.isModified());
    // Typed but not yet entered: saving takes it.
    real.valueBox()->setText(QStringLiteral("-2.5"));
    const QString path = frame.path(QStringLiteral("theta.83n"));
    dialogs->fileNames.push_back(path);
    ASSERT_TRUE(real.SaveFile());
    EXPECT_EQ(real.windowTitle(), "theta.83n [TI-83 Real]");
    const auto bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 81u);
    EXPECT_EQ(bytes[60], 0x5B);
    EXPECT_EQ(bytes[70], 0x80);

    TfrmVarReal reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(reloaded.nameBox()->currentText(), "Theta");
    EXPECT_EQ(reloaded.value(), -2.5);
    EXPECT_FALSE(reloaded.IsTI82);
    EXPECT_FALSE(reloaded.isModified());

    // A file that ends inside the value.
    auto cut = bytes;
    cut.resize(75);
    const QString cutPath = frame.path(QStringLiteral("cut.83n"));
    WriteBytes(cutPath, cut);
    EXPECT_TRUE(reloaded.LoadFile(cutPath));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, "Error reading real variable file.");
}

TEST(ComplexEditor, ARefusedPartKeepsItsValue)
{
    ScopedScriptedDialogs dialogs;
    FakeMainFrame frame;
    TfrmVarComplex complex(frame);
    // There is no TI-82 complex number, whatever the New command asked for.
    complex.prepareNew(true, 5);
    EXPECT_EQ(complex.windowTitle(), "Untitled5 [TI-83 Complex]");

    complex.realBox()->setText(QStringLiteral("1.5"));
    Enter(complex.imaginaryBox(), QStringLiteral("-2"));
    EXPECT_EQ(complex.realPart(), 1.5);
    EXPECT_EQ(complex.imaginaryPart(), -2.0);
    EXPECT_TRUE(dialogs->shown.empty());

    complex.realBox()->setText(QStringLiteral("3"));
    Enter(complex.imaginaryBox(), QStringLiteral("1E100"));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, varfile::kInvalidRealMessage);
    EXPECT_EQ(complex.realPart(), 3.0);
    EXPECT_EQ(complex.imaginaryPart(), -2.0);
    EXPECT_EQ(complex.imaginaryBox()->text(), "-2");

    complex.nameBox()->setCurrentIndex(26);
    const QString path = frame.path(QStringLiteral("z.83c"));
    dialogs->fileNames.push_back(path);
    ASSERT_TRUE(complex.SaveFile());
    EXPECT_EQ(dialogs->fileRequests[0].filter, "TI-83 Complex (*.83c)|*.83c|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs->fileRequests[0].title, "Save TI-83 Complex");
    const auto bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 90u);
    EXPECT_EQ(bytes[5], '3');
    EXPECT_EQ(bytes[60], 0x5B);
    EXPECT_EQ(bytes[70], 0x0C);
    EXPECT_EQ(bytes[79], 0x8C);

    TfrmVarComplex reloaded(frame);
    ASSERT_TRUE(reloaded.LoadFile(path));
    EXPECT_EQ(reloaded.nameBox()->currentText(), "θ");
    EXPECT_EQ(reloaded.realBox()->text(), "3");
    EXPECT_EQ(reloaded.imaginaryBox()->text(), "-2");
}

} // namespace
} // namespace vexil::vareditors
