// The sink a control site advises on its control's default event
// interface.  The control holds it as an object of its own: it answers
// IUnknown, IDispatch and the event interface with itself (the site's own
// IDispatch is the ambient properties), while AddRef and Release go to the
// site, so the control's reference on the sink keeps the site alive.
#pragma once
#include <oaidl.h>

class COleControlSite;

class CSiteEventSink : public IDispatch {
public:
    explicit CSiteEventSink(COleControlSite& site) : m_site(site) {}

    void SetEventInterface(REFIID iid) { m_iid = iid; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

private:
    COleControlSite& m_site;
    IID m_iid = IID_NULL;
};
