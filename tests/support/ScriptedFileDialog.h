#pragma once

#include "core/host/FileDialog.h"

#include <QList>

// Answers the file-open dialog with results queued by the test; cancels when none is queued.
class ScriptedFileDialog final : public FileDialog
{
public:
    Result open(const Request &request) override
    {
        requests.append(request);
        if (answers.isEmpty()) {
            return {Result::Cancelled, {}, CancelErrorNumber, {}};
        }
        return answers.takeFirst();
    }

    void answerWithFile(const QString &path) { answers.append({Result::Chosen, path, 0, {}}); }
    void answerWithCancel() { answers.append({Result::Cancelled, {}, CancelErrorNumber, {}}); }
    void answerWithFailure(int number, const QString &description)
    {
        answers.append({Result::Failed, {}, number, description});
    }

    QList<Request> requests;
    QList<Result> answers;
};
