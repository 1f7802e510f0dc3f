// The ambient-property IDispatch of a control site.  Only user mode is
// answered (TRUE: the controls run, they are not being designed); a control
// asking for any other ambient gets DISP_E_MEMBERNOTFOUND and uses its own
// default.  QueryInterface, AddRef and Release go to the site.
#pragma once
#include "OccTrace.h"
#include <oaidl.h>

class COleControlSite;

class CSiteAmbients : public IDispatch {
public:
    explicit CSiteAmbients(COleControlSite& site) : m_site(site) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return AfxOccNote(L"Ambients::GetIDsOfNames", E_NOTIMPL);
    }
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

private:
    COleControlSite& m_site;
};
