// SPDX-License-Identifier: GPL-3.0-or-later
// A main window on a fresh program directory, with the real assembler, and the
// helpers that drive an assembly run through it as a user would.
#pragma once

#include "app/ProgramDirectory.h"
#include "app/ui/DocumentManager.h"
#include "app/ui/TForm1.h"
#include "assemble/ui/AssemblyController.h"
#include "assemble/ui/FilteredLineEdit.h"
#include "assemble/ui/TfrmAssemble.h"
#include "assemble/ui/TfrmProgress.h"
#include "base/ui/ScriptedDialogService.h"
#include "base/ui/StatusPanel.h"
#include "editor/ui/TfrmSource.h"
#include "support/ui/FileBytes.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace vexil::test {

namespace fs = std::filesystem;
using assemble::ShellTarget;
using assemble::ui::TfrmAssemble;
using editor::TfrmSource;

using vexil::testing::ReadFile;
using vexil::testing::WriteFile;

// Processes events until `done` holds; false when `timeoutMs` passed first.
inline bool WaitUntil(const std::function<bool()> &done, int timeoutMs = 30000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) {
            return false;
        }
        QTest::qWait(10);
    }
    return true;
}

inline void ClickOk(TfrmAssemble &dialog)
{
    dialog.OkButton->click();
}

class AssembleRunUiTest : public ::testing::Test {
protected:
    QTemporaryDir programDir;
    QTemporaryDir sourceDir;
    uibase::ScopedScriptedDialogs dialogs;
    std::unique_ptr<app::TForm1> form;

    void SetUp() override
    {
        const fs::path program = programDir.path().toStdString();
        app::PrepareProgramDirectory(program, fs::path(VEXIL_SOURCE_DIR) / "data");
        form = std::make_unique<app::TForm1>(program);
        form->assembly().setInstalledAssembler(VEXIL_TASM);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    assemble::ui::AssemblyController &assembly() { return form->assembly(); }

    void setTarget(ShellTarget target) { app::SelectTarget(form->mutableOptions(), target); }

    TfrmSource *openSource(const QString &name, const QByteArray &text)
    {
        WriteFile(sourceDir.filePath(name), text);
        return qobject_cast<TfrmSource *>(form->openFile(sourceDir.filePath(name)));
    }

    // Runs `press`, answering the Assemble dialog with `answer` if it opens; true when
    // it opened.
    bool answerAssembleDialog(const std::function<void()> &press,
                              const std::function<void(TfrmAssemble &)> &answer = ClickOk)
    {
        bool opened = false;
        QTimer watcher;
        watcher.setInterval(5);
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            TfrmAssemble &dialog = assembly().assembleDialog();
            if (dialog.isVisible() && !opened) {
                opened = true;
                answer(dialog);
            }
        });
        watcher.start();
        press();
        watcher.stop();
        return opened;
    }

    // F7 through its action.
    bool pressF7(const std::function<void(TfrmAssemble &)> &answer = ClickOk)
    {
        return answerAssembleDialog([this] { form->actions().assemble->trigger(); }, answer);
    }

    bool waitForRunEnd()
    {
        return WaitUntil([this] { return !assembly().Timer1->isActive(); });
    }

    void useStandInAssembler(const QByteArray &script)
    {
        const QString path = programDir.filePath(QStringLiteral("tasm"));
        WriteFile(path, "#!/bin/sh\n" + script);
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    }

    void screenshot(const char *name)
    {
        const QByteArray folder = qgetenv("VEXIL_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            form->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') +
                              QLatin1String(name) + QStringLiteral(".png"));
        }
    }
};

} // namespace vexil::test
