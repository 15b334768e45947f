// The toolbox's own list: circular, doubly linked through a sentinel, the
// links kept in the elements themselves. The list never allocates or frees;
// whoever removes an element deletes it. Positions count from 1.
#pragma once
#include <cstdint>

class CCmdNode {
 public:
  CCmdNode() = default;
  virtual ~CCmdNode() = default;
  CCmdNode(const CCmdNode&) = delete;
  CCmdNode& operator=(const CCmdNode&) = delete;

  CCmdNode* m_pNext = nullptr;
  CCmdNode* m_pPrev = nullptr;
};

class CCmdList {
 public:
  CCmdList();
  CCmdList(const CCmdList&) = delete;
  CCmdList& operator=(const CCmdList&) = delete;

  void Append(CCmdNode* node);
  // 0 <= k <= count: after the k-th element (k = 0: at the front).
  void InsertAfter(CCmdNode* node, int32_t k);
  void InsertBefore(CCmdNode* node, int32_t k) { InsertAfter(node, k - 1); }
  int32_t GetCount() const { return m_nCount; }
  // The k-th element, or null; walks from whichever end is nearer.
  CCmdNode* GetAt(int32_t k, bool moveCursor);
  CCmdNode* GetFirst();
  CCmdNode* GetNext();
  CCmdNode* Remove(int32_t k);
  CCmdNode* RemoveFirst() { return Remove(1); }
  // 1-based position of node, 0 when it is not in the list.
  int32_t IndexOf(const CCmdNode* node) const;
  bool CursorAtSentinel() const { return m_pCursor == &m_head; }
  CCmdNode* Cursor() const { return m_pCursor == &m_head ? nullptr : m_pCursor; }

 private:
  CCmdNode* Find(int32_t k) const;
  static void LinkAfter(CCmdNode* pos, CCmdNode* node);

  CCmdNode m_head;
  CCmdNode* m_pCursor;
  int32_t m_nCount = 0;
};

// Walks a list of one element type, first to last.
template <class T, class Fn>
void ForEachCmd(CCmdList& list, Fn fn) {
  for (CCmdNode* n = list.GetFirst(); n; n = list.GetNext()) fn(*static_cast<T*>(n));
}
