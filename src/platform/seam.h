#pragma once

// A replaceable program-wide service. The program uses Service::system(); tests put
// their own in place for a while, so nothing modal or external ever runs in a test.
template <class Service>
class Seam
{
public:
    static Service &get() { return replacement ? *replacement : Service::system(); }

    // Puts a service in place for the guard's lifetime.
    class Replace
    {
    public:
        explicit Replace(Service &service) : previous(replacement) { replacement = &service; }
        ~Replace() { replacement = previous; }
        Replace(const Replace &) = delete;
        Replace &operator=(const Replace &) = delete;

    private:
        Service *previous;
    };

private:
    static inline Service *replacement = nullptr;
};
