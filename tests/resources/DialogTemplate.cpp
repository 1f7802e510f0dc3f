#include "DialogTemplate.h"
#include "ResourceReader.h"

DialogTemplate ReadDialogTemplate(WORD id)
{
    DialogTemplate t;
    ResourceBytes b = FindResourceBytes(RT_DIALOG, id);
    if (!b.data)
        return t;
    ResourceReader r(b);
    if (r.Get<WORD>() != 1 || r.Get<WORD>() != 0xFFFF)  // DLGTEMPLATEEX version and signature
        return t;
    r.Get<DWORD>();  // help id
    t.exStyle = r.Get<DWORD>();
    t.style = r.Get<DWORD>();
    WORD count = r.Get<WORD>();
    t.x = r.Get<short>(), t.y = r.Get<short>(), t.cx = r.Get<short>(), t.cy = r.Get<short>();
    t.menu = r.Field(), t.cls = r.Field(), t.caption = r.Field();
    if (t.style & DS_SETFONT) {
        t.points = r.Get<WORD>(), t.weight = r.Get<WORD>();
        r.Get<BYTE>();  // italic
        t.charset = r.Get<BYTE>();
        t.face = r.Field();
    }
    for (WORD i = 0; i < count && r.Ok(); ++i) {
        r.AlignToDword();
        DialogItem item{};
        r.Get<DWORD>();  // help id
        item.exStyle = r.Get<DWORD>();
        item.style = r.Get<DWORD>();
        item.x = r.Get<short>(), item.y = r.Get<short>(), item.cx = r.Get<short>(), item.cy = r.Get<short>();
        item.id = r.Get<DWORD>();
        item.cls = r.Field(), item.text = r.Field();
        r.Skip(r.Get<WORD>());  // creation data
        t.items.push_back(item);
    }
    t.ok = r.Ok();
    return t;
}
