#include "TestDataObject.h"

#include <shlobj.h>

#include <cstring>

// Frees its block when the receiver releases the medium, and counts that.
class TestDataObject::BlockRelease final : public IUnknown {
public:
    BlockRelease(TestDataObject& owner_, HGLOBAL block_) : owner(owner_), block(block_) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (!IsEqualIID(riid, IID_IUnknown)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refCount); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG count = --refCount;
        if (count == 0) {
            GlobalFree(block);
            ++owner.blocksReleased;
            delete this;
        }
        return static_cast<ULONG>(count);
    }

private:
    LONG refCount = 1;
    TestDataObject& owner;
    HGLOBAL block;
};

std::string fileListBytes(const std::vector<std::string>& paths)
{
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof(header));
    for (const std::string& path : paths)
        bytes += path + '\0';
    bytes += '\0';
    return bytes;
}

void TestDataObject::offerFiles(const std::vector<std::string>& paths)
{
    offer(CF_HDROP, fileListBytes(paths));
}

HRESULT STDMETHODCALLTYPE TestDataObject::QueryInterface(REFIID riid, void** object)
{
    if (IsEqualIID(riid, IID_IDataObject) || IsEqualIID(riid, IID_IUnknown)) {
        *object = static_cast<IDataObject*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE TestDataObject::AddRef()
{
    return static_cast<ULONG>(++refCount);
}

// The test owns the object; the count only shows whether receivers gave back theirs.
ULONG STDMETHODCALLTYPE TestDataObject::Release()
{
    return static_cast<ULONG>(--refCount);
}

HRESULT STDMETHODCALLTYPE TestDataObject::GetData(FORMATETC* format, STGMEDIUM* medium)
{
    if (format == nullptr || medium == nullptr)
        return E_INVALIDARG;
    const HRESULT offered = QueryGetData(format);
    if (offered != S_OK)
        return offered;
    const std::string& bytes = formats[format->cfFormat];
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (block == nullptr)
        return E_OUTOFMEMORY;
    if (!bytes.empty()) {
        std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
        GlobalUnlock(block);
    }
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = new BlockRelease(*this, block);
    ++blocksHandedOut;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TestDataObject::GetDataHere(FORMATETC*, STGMEDIUM*)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE TestDataObject::QueryGetData(FORMATETC* format)
{
    if (format == nullptr)
        return E_INVALIDARG;
    if ((format->tymed & TYMED_HGLOBAL) == 0)
        return DV_E_TYMED;
    return formats.count(format->cfFormat) != 0 ? S_OK : DV_E_FORMATETC;
}

HRESULT STDMETHODCALLTYPE TestDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out)
{
    if (out != nullptr)
        out->ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE TestDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL)
{
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE TestDataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** formatsOut)
{
    if (formatsOut == nullptr)
        return E_INVALIDARG;
    *formatsOut = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    std::vector<FORMATETC> list;
    for (const auto& entry : formats)
        list.push_back(FORMATETC{entry.first, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
    return SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), formatsOut);
}

HRESULT STDMETHODCALLTYPE TestDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT STDMETHODCALLTYPE TestDataObject::DUnadvise(DWORD)
{
    return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT STDMETHODCALLTYPE TestDataObject::EnumDAdvise(IEnumSTATDATA**)
{
    return OLE_E_ADVISENOTSUPPORTED;
}
