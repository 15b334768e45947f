#include "toolbox/cmd_list.h"

CCmdList::CCmdList() : m_pCursor(&m_head) {
  m_head.m_pNext = m_head.m_pPrev = &m_head;
}

void CCmdList::LinkAfter(CCmdNode* pos, CCmdNode* node) {
  node->m_pPrev = pos;
  node->m_pNext = pos->m_pNext;
  pos->m_pNext->m_pPrev = node;
  pos->m_pNext = node;
}

void CCmdList::Append(CCmdNode* node) {
  if (!node) return;
  LinkAfter(m_head.m_pPrev, node);
  ++m_nCount;
}

void CCmdList::InsertAfter(CCmdNode* node, int32_t k) {
  if (!node || k < 0 || k > m_nCount) return;
  LinkAfter(k == 0 ? &m_head : Find(k), node);
  ++m_nCount;
}

CCmdNode* CCmdList::Find(int32_t k) const {
  if (k < 1 || k > m_nCount) return nullptr;
  CCmdNode* n;
  if (k <= m_nCount / 2 + 1) {
    n = m_head.m_pNext;
    for (int32_t i = 1; i < k; ++i) n = n->m_pNext;
  } else {
    n = m_head.m_pPrev;
    for (int32_t i = m_nCount; i > k; --i) n = n->m_pPrev;
  }
  return n;
}

CCmdNode* CCmdList::GetAt(int32_t k, bool moveCursor) {
  CCmdNode* n = Find(k);
  if (moveCursor) m_pCursor = n ? n : &m_head;
  return n;
}

CCmdNode* CCmdList::GetFirst() {
  m_pCursor = m_head.m_pNext;
  return m_pCursor == &m_head ? nullptr : m_pCursor;
}

CCmdNode* CCmdList::GetNext() {
  if (m_pCursor == &m_head) return nullptr;
  CCmdNode* n = m_pCursor->m_pNext;
  if (n == &m_head) return nullptr;  // the cursor stays on the last element
  m_pCursor = n;
  return n;
}

CCmdNode* CCmdList::Remove(int32_t k) {
  CCmdNode* n = Find(k);
  if (!n) {
    m_pCursor = &m_head;
    return nullptr;
  }
  // A cursor on the removed element would dangle.
  if (m_pCursor == n) m_pCursor = &m_head;
  n->m_pPrev->m_pNext = n->m_pNext;
  n->m_pNext->m_pPrev = n->m_pPrev;
  n->m_pNext = n->m_pPrev = nullptr;
  --m_nCount;
  return n;
}

int32_t CCmdList::IndexOf(const CCmdNode* node) const {
  int32_t i = 1;
  for (const CCmdNode* n = m_head.m_pNext; n != &m_head; n = n->m_pNext, ++i)
    if (n == node) return i;
  return 0;
}
