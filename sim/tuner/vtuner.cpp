// Virtual tuner filter server: the capture filters that the system's device enumerator
// binds. A filter answers GetClassID with the CLSID it was made under, so a test can tell
// which of two same-named devices was bound.
#include <windows.h>
#include <dshow.h>

#include "tuner_control.h"
#include "tuner_device.h"
#include "tuner_property.h"
#include "tuner_settings.h"

static volatile LONG serverLocks = 0;
static volatile LONG liveObjects = 0;

static int SlotOf(REFCLSID clsid)
{
    for (int slot = 0; slot < TUNER_SLOT_COUNT; ++slot)
        if (IsEqualCLSID(clsid, TunerSlotClsid(slot)))
            return slot;
    return -1;
}

// The reference count every object of the server keeps, and the count of live objects
// that keeps the server loaded.
template <class Interface>
class Counted : public Interface {
public:
    Counted() : references(1) { InterlockedIncrement(&liveObjects); }
    virtual ~Counted() { InterlockedDecrement(&liveObjects); }
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)InterlockedIncrement(&references); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG left = InterlockedDecrement(&references);
        if (left == 0)
            delete this;
        return (ULONG)left;
    }

private:
    volatile LONG references;
};

// A tear-off of the filter: its identity and other interfaces are the filter's.
class TunerProperty : public Counted<TunerDeviceCustomProperty> {
public:
    TunerProperty(IBaseFilter *filter, int slot) : owner(filter)
    {
        owner->AddRef();
        session.slot = slot;
        session.selected = 0;
        session.header = 0;
    }
    ~TunerProperty() override { owner->Release(); }

    STDMETHODIMP QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_TunerDeviceCustomProperty)) {
            *object = static_cast<TunerDeviceCustomProperty *>(this);
            AddRef();
            return S_OK;
        }
        return owner->QueryInterface(iid, object);
    }
    STDMETHODIMP Reserved() override { return E_NOTIMPL; }
    STDMETHODIMP Set(ULONG propertyId, void *buffer) override
    {
        return TunerPropertySet(&session, propertyId, buffer);
    }
    STDMETHODIMP Get(ULONG propertyId, void *buffer) override
    {
        return TunerPropertyGet(&session, propertyId, buffer);
    }

private:
    IBaseFilter *owner;
    TunerI2CSession session;
};

class TunerFilter : public Counted<IBaseFilter> {
public:
    explicit TunerFilter(int filterSlot) : slot(filterSlot) {}

    STDMETHODIMP QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPersist)
            || IsEqualIID(iid, IID_IMediaFilter) || IsEqualIID(iid, IID_IBaseFilter)) {
            *object = static_cast<IBaseFilter *>(this);
            AddRef();
            return S_OK;
        }
        // Plugged with the property interface or without it.
        if (IsEqualIID(iid, IID_TunerDeviceCustomProperty) && TunerGetSlotValue(slot, "Property", 0)) {
            *object = static_cast<TunerDeviceCustomProperty *>(new TunerProperty(this, slot));
            return S_OK;
        }
        *object = NULL;
        return E_NOINTERFACE;
    }

    STDMETHODIMP GetClassID(CLSID *clsid) override
    {
        if (!clsid)
            return E_POINTER;
        *clsid = TunerSlotClsid(slot);
        return S_OK;
    }

    STDMETHODIMP Stop() override { return S_OK; }
    STDMETHODIMP Pause() override { return S_OK; }
    STDMETHODIMP Run(REFERENCE_TIME) override { return S_OK; }
    STDMETHODIMP GetState(DWORD, FILTER_STATE *state) override
    {
        if (!state)
            return E_POINTER;
        *state = State_Stopped;
        return S_OK;
    }
    STDMETHODIMP SetSyncSource(IReferenceClock *) override { return S_OK; }
    STDMETHODIMP GetSyncSource(IReferenceClock **clock) override
    {
        if (!clock)
            return E_POINTER;
        *clock = NULL;
        return S_OK;
    }
    STDMETHODIMP EnumPins(IEnumPins **) override { return E_NOTIMPL; }
    STDMETHODIMP FindPin(LPCWSTR, IPin **) override { return E_NOTIMPL; }
    STDMETHODIMP QueryFilterInfo(FILTER_INFO *) override { return E_NOTIMPL; }
    STDMETHODIMP JoinFilterGraph(IFilterGraph *, LPCWSTR) override { return S_OK; }
    STDMETHODIMP QueryVendorInfo(LPWSTR *) override { return E_NOTIMPL; }

protected:
    int slot;
};

class TunerFactory : public Counted<IClassFactory> {
public:
    // A factory held by COM keeps the server loaded like any object does.
    explicit TunerFactory(int factorySlot) : slot(factorySlot) {}

    STDMETHODIMP QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory *>(this);
            AddRef();
            return S_OK;
        }
        *object = NULL;
        return E_NOINTERFACE;
    }
    STDMETHODIMP CreateInstance(IUnknown *outer, REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = NULL;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        TunerFilter *filter = new TunerFilter(slot);
        HRESULT result = filter->QueryInterface(iid, object);
        filter->Release();
        return result;
    }
    STDMETHODIMP LockServer(BOOL lock) override
    {
        if (lock)
            InterlockedIncrement(&serverLocks);
        else
            InterlockedDecrement(&serverLocks);
        return S_OK;
    }

private:
    int slot;
};

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void **object)
{
    if (!object)
        return E_POINTER;
    *object = NULL;
    int slot = SlotOf(clsid);
    if (slot < 0)
        return CLASS_E_CLASSNOTAVAILABLE;
    TunerFactory *factory = new TunerFactory(slot);
    HRESULT result = factory->QueryInterface(iid, object);
    factory->Release();
    return result;
}

extern "C" HRESULT WINAPI DllCanUnloadNow(void)
{
    return (serverLocks == 0 && liveObjects == 0) ? S_OK : S_FALSE;
}
