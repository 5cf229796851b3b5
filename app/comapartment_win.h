#pragma once

// COM for the shell calls of worker threads (the Recycle Bin, file
// operations). ole32 is reached at run time, as Qt has it loaded.

#include <windows.h>
#include <objbase.h>

// The shell's Recycle Bin calls need COM in a single-threaded apartment on
// the calling thread, which may be a worker. Joined for the call and left
// afterwards when this call set it up; a thread already in another
// apartment keeps it.
class ComApartment
{
public:
    ComApartment()
    {
        using Init = HRESULT(WINAPI *)(LPVOID, DWORD);
        const HMODULE ole = ole32();
        if (!ole)
            return;
        const auto init = reinterpret_cast<Init>(reinterpret_cast<void (*)()>(GetProcAddress(ole, "CoInitializeEx")));
        m_uninit = reinterpret_cast<void(WINAPI *)()>(reinterpret_cast<void (*)()>(GetProcAddress(ole, "CoUninitialize")));
        m_joined = init && m_uninit && SUCCEEDED(init(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComApartment()
    {
        if (m_joined)
            m_uninit();
    }
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;

    // CoCreateInstance for an in-process object of class `cls`.
    static HRESULT create(REFCLSID cls, REFIID iid, void **out)
    {
        using Create = HRESULT(WINAPI *)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID *);
        *out = nullptr;
        const HMODULE ole = ole32();
        const auto fn = ole ? reinterpret_cast<Create>(reinterpret_cast<void (*)()>(GetProcAddress(ole, "CoCreateInstance")))
                            : nullptr;
        return fn ? fn(cls, nullptr, CLSCTX_ALL, iid, out) : E_NOTIMPL;
    }

    // CoTaskMemFree, for strings the shell hands out.
    static void freeTask(void *p)
    {
        using Free = void(WINAPI *)(LPVOID);
        const HMODULE ole = p ? ole32() : nullptr;
        if (const auto fn = ole ? reinterpret_cast<Free>(reinterpret_cast<void (*)()>(GetProcAddress(ole, "CoTaskMemFree")))
                                : nullptr)
            fn(p);
    }

private:
    static HMODULE ole32()
    {
        HMODULE ole = GetModuleHandleW(L"ole32.dll");
        return ole ? ole : LoadLibraryW(L"ole32.dll");
    }

    void(WINAPI *m_uninit)() = nullptr;
    bool m_joined = false;
};
