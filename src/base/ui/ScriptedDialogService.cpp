// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/ui/ScriptedDialogService.h"

namespace vexil::uibase {

Answer ScriptedDialogService::message(MessageKind kind, const QString &text, Buttons buttons,
                                      const QString &title)
{
    shown.push_back({kind, text, buttons, title});
    if (!answers.empty()) {
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    ++unscripted;
    return Answer::Cancel;
}

std::optional<QString> ScriptedDialogService::inputText(const QString &title, const QString &prompt,
                                                        const QString &initial)
{
    inputRequests.push_back({title, prompt, initial});
    if (inputs.empty()) {
        ++unscripted;
        return std::nullopt;
    }
    const QString answer = inputs.front();
    inputs.pop_front();
    if (answer.isNull()) {
        return std::nullopt;
    }
    return answer;
}

QString ScriptedDialogService::nextFileName()
{
    if (fileNames.empty()) {
        ++unscripted;
        return {};
    }
    QString name = fileNames.front();
    fileNames.pop_front();
    return name;
}

QString ScriptedDialogService::openFileName(const FileDialogRequest &request)
{
    fileRequests.push_back(request);
    return nextFileName();
}

QStringList ScriptedDialogService::openFileNames(const FileDialogRequest &request)
{
    fileRequests.push_back(request);
    const QString names = nextFileName();
    return names.isEmpty() ? QStringList() : names.split(QLatin1Char('\n'));
}

QString ScriptedDialogService::saveFileName(const FileDialogRequest &request)
{
    fileRequests.push_back(request);
    return nextFileName();
}

QString ScriptedDialogService::existingDirectory(const QString &title, const QString &directory)
{
    fileRequests.push_back({title, directory, {}, {}, {}});
    return nextFileName();
}

ScopedScriptedDialogs::ScopedScriptedDialogs()
{
    auto service = std::make_unique<ScriptedDialogService>();
    service_ = service.get();
    previous_ = InstallDialogService(std::move(service));
}

ScopedScriptedDialogs::~ScopedScriptedDialogs()
{
    InstallDialogService(std::move(previous_));
}

} // namespace vexil::uibase
