// A data object as a drag source offers it: each format is a block of global memory of
// exactly the given bytes, made fresh for every request and given to the receiver together
// with a release object, so a test can tell whether every block it handed out came back.
#pragma once

#include <windows.h>

#include <ole2.h>

#include <map>
#include <string>
#include <vector>

class TestDataObject : public IDataObject {
public:
    TestDataObject() = default;
    virtual ~TestDataObject() = default;

    void offer(CLIPFORMAT format, std::string bytes) { formats[format] = std::move(bytes); }
    void offerText(const std::string& text) { offer(CF_TEXT, text + '\0'); }
    // A shell file list of ANSI names.
    void offerFiles(const std::vector<std::string>& paths);

    int blocksHandedOut = 0;
    int blocksReleased = 0;
    LONG references() const { return refCount; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formatsOut) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override;

private:
    class BlockRelease;

    // Starts at 1 for the test that owns the object on its stack.
    LONG refCount = 1;
    std::map<CLIPFORMAT, std::string> formats;
};

// A shell file list as a sender writes it, with names and the header's offset as given.
std::string fileListBytes(const std::vector<std::string>& paths);
