#include "forms.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

QList<Form *> Forms::loaded()
{
    QList<Form *> forms;
    for (const QPointer<Form> &form : std::as_const(loadedForms)) {
        if (form)
            forms.append(form.data());
    }
    return forms;
}

void Forms::forget(Form *form)
{
    loadedForms.removeIf([form](const QPointer<Form> &entry) { return !entry || entry == form; });
}

void Forms::showModal(Form &form, QWidget *owner)
{
    if (owner)
        form.belongTo(owner);
    QEventLoop loop;
    QObject::connect(&form, &Form::unloaded, &loop, &QEventLoop::quit);
    form.setWindowModality(Qt::ApplicationModal);
    form.show();
    loop.exec(QEventLoop::DialogExec);
}

void Forms::end()
{
    ending = ended = true;
    // Before the event loop runs, exit() would do nothing now yet make the first
    // loop to start return at once; the start-up checks hasEnded() instead.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}
