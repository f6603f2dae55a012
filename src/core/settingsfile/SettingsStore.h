#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Outcome of writing pending changes to the persistent store.
struct SaveResult
{
    bool ok = true;
    QString error; // human-readable reason when !ok
    // Set when the store that was replaced could not be read completely: where its
    // original was kept.
    QString keptCopy;
    // Set when the store was written but the system could not confirm that it reached the
    // disk, so a power cut could still undo the save: why.
    QString unflushed;
};

// Per-user persistent settings addressed by section and key; every value is text.
// The application name is fixed by the implementation.
//
// save() and remove() are staged: they are visible to get()/contains() at once but reach
// the disk only with commit(), all together, so a save is never half written.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // The stored text whenever the key exists (also when it is empty), defaultValue otherwise.
    virtual QString get(const QString &section, const QString &key,
        const QString &defaultValue = QString()) const = 0;
    virtual bool contains(const QString &section, const QString &key) const = 0;
    // Every key the section holds, staged changes included, in no particular order.
    virtual QStringList keys(const QString &section) const = 0;
    virtual void save(const QString &section, const QString &key, const QString &value) = 0;
    virtual void remove(const QString &section, const QString &key) = 0;
    // Stages the removal of every key of the section for which isStale is true, judged on the
    // store as it is when the change is committed; keys saved in the same change stay.
    virtual void removeStale(
        const QString &section, const std::function<bool(const QString &key)> &isStale)
        = 0;

    // Writes every staged change as one replacement of the store. On failure nothing of the
    // previous store is changed, the staged changes are dropped and the reason is returned.
    virtual SaveResult commit() = 0;
    // Drops staged changes without writing them.
    virtual void discard() = 0;

    // Where the settings are kept (a file's path), for messages.
    virtual QString location() const = 0;
    // Why the store could not be read when it was opened, naming the place and ending with
    // the system's reason; empty when it was read (a missing store reads as empty).
    virtual QString readError() const = 0;
    // Whether something else changed the store since this one last read or wrote it, so that
    // a commit would replace that change. A store that cannot be read now has no change to
    // replace: its commit fails and says why.
    virtual bool changedElsewhere() const = 0;
    // Reads the store again as it is now, so that a change made elsewhere is seen; staged
    // changes stay staged. Returns readError() as it is then.
    virtual QString reload() = 0;
};
