// Owner of a common-controls image list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "menu/MenuPainter.h"

class CImageList : public MenuImageList {
public:
    CImageList() = default;
    ~CImageList() override { DeleteImageList(); }
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    bool Create(int cx, int cy, UINT flags, int initial, int grow) {
        DeleteImageList();
        m_handle = ImageList_Create(cx, cy, flags, initial, grow);
        return m_handle != nullptr;
    }
    int Add(HBITMAP image, HBITMAP mask) { return m_handle ? ImageList_Add(m_handle, image, mask) : -1; }
    // Destroys the handle and leaves the object empty; harmless when already empty.
    void DeleteImageList() {
        if (m_handle) ImageList_Destroy(m_handle);
        m_handle = nullptr;
    }
    HIMAGELIST Handle() const { return m_handle; }

    bool ImageSize(int index, MenuSize& size) const override {
        IMAGEINFO info{};
        if (!m_handle || !ImageList_GetImageInfo(m_handle, index, &info)) return false;
        size = {info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top};
        return true;
    }

private:
    HIMAGELIST m_handle = nullptr;
};
