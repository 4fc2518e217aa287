#pragma once

#include "form.h"

#include <QList>
#include <QPointer>

#include <functional>

// The window services: one instance per window kind, created on first use (its
// controls, then its load handler) and discarded when it closes; the collection of
// loaded windows in creation order; showing, hiding, closing and ending the program.
class Forms
{
public:
    // The window of kind F, loading it first when absent; a window just loaded is
    // hidden until something shows it.
    template <class F>
    static F &load()
    {
        if (F *form = find<F>())
            return *form;
        auto *form = new F;
        loadedForms.append(form);
        form->onLoad();
        if (loadListener)
            loadListener(*form);
        return *form;
    }

    // The window of kind F when it is loaded, else nullptr; never loads it.
    template <class F>
    static F *find()
    {
        for (const QPointer<Form> &form : std::as_const(loadedForms)) {
            if (auto *match = qobject_cast<F *>(form.data()))
                return match;
        }
        return nullptr;
    }

    template <class F>
    static void show() { load<F>().show(); }

    // Shows F over owner's window and returns when it has closed; meanwhile the other
    // windows take no input.
    template <class F>
    static void showModal(QWidget *owner) { showModal(load<F>(), owner); }

    template <class F>
    static void unload()
    {
        if (F *form = find<F>())
            form->close();
    }

    // Every loaded window, visible or hidden, in the order of creation.
    static QList<Form *> loaded();

    // Ends the program: the event loop stops, or never starts when this happens
    // during start-up (see hasEnded).
    static void end();
    static bool hasEnded() { return ended; }

    // The shutdown has begun: windows are being closed and the program will end.
    static void beginEnding() { ending = true; }
    static bool isEnding() { return ending; }
    // Forgets an ended run, so that one test process can run the program's life again.
    static void startNewRun() { ending = ended = false; }

    // Hears of every window once it has loaded: the program's flow listens to the
    // windows' signals this way, whoever loads them.
    static void setLoadListener(std::function<void(Form &)> listener) { loadListener = std::move(listener); }

    // Called by a closing window.
    static void forget(Form *form);

private:
    static void showModal(Form &form, QWidget *owner);

    static inline QList<QPointer<Form>> loadedForms;
    static inline bool ending = false;
    static inline bool ended = false;
    static inline std::function<void(Form &)> loadListener;
};
