// Device contexts and GDI objects, each owned by the object that took it and given back when that
// object goes, whatever way the drawing code leaves.
#pragma once

#include <windows.h>

namespace lunetar {

// A window's client area, for measuring or drawing outside a paint.
class CClientDC {
 public:
  explicit CClientDC(HWND window) : m_hWnd(window), m_hDC(GetDC(window)) {}
  ~CClientDC() {
    if (m_hDC) ReleaseDC(m_hWnd, m_hDC);
  }
  CClientDC(const CClientDC&) = delete;
  CClientDC& operator=(const CClientDC&) = delete;
  operator HDC() const { return m_hDC; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
};

// The painting of a WM_PAINT: begun at construction, ended at destruction.
class CPaintDC {
 public:
  explicit CPaintDC(HWND window) : m_hWnd(window), m_hDC(BeginPaint(window, &m_paint)) {}
  ~CPaintDC() { EndPaint(m_hWnd, &m_paint); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;
  operator HDC() const { return m_hDC; }

 private:
  HWND m_hWnd;
  PAINTSTRUCT m_paint = {};
  HDC m_hDC;
};

// A memory device context compatible with another, to draw a bitmap from.
class CMemoryDC {
 public:
  explicit CMemoryDC(HDC compatibleWith) : m_hDC(CreateCompatibleDC(compatibleWith)) {}
  ~CMemoryDC() {
    if (m_hDC) DeleteDC(m_hDC);
  }
  CMemoryDC(const CMemoryDC&) = delete;
  CMemoryDC& operator=(const CMemoryDC&) = delete;
  operator HDC() const { return m_hDC; }

 private:
  HDC m_hDC;
};

// A brush, bitmap, font or pen that this program made and must delete.
template <typename Handle>
class CGdiObject {
 public:
  explicit CGdiObject(Handle handle) : m_handle(handle) {}
  ~CGdiObject() {
    if (m_handle) DeleteObject(m_handle);
  }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  operator Handle() const { return m_handle; }

 private:
  Handle m_handle;
};

// An object selected into a device context, the earlier one put back at destruction (before the
// object or the context goes, when declared after both).
class CSelectObject {
 public:
  CSelectObject(HDC dc, HGDIOBJ object) : m_hDC(dc), m_hPrevious(SelectObject(dc, object)) {}
  ~CSelectObject() {
    if (m_hPrevious) SelectObject(m_hDC, m_hPrevious);
  }
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;

 private:
  HDC m_hDC;
  HGDIOBJ m_hPrevious;
};

}  // namespace lunetar
