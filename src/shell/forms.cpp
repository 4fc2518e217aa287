#include "forms.h"

#include <QCoreApplication>
#include <QEventLoop>

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

void Forms::showModal(Form &form)
{
    QEventLoop loop;
    QObject::connect(&form, &Form::unloaded, &loop, &QEventLoop::quit);
    form.setWindowModality(Qt::ApplicationModal);
    form.show();
    loop.exec(QEventLoop::DialogExec);
}

void Forms::end()
{
    ended = true;
    QCoreApplication::exit(0);
}
