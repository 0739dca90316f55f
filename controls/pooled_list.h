// A circular doubly linked list closed by a sentinel node, whose nodes come
// from blocks allocated many at a time. Nodes not in the list wait on a free
// list; a new block is allocated only when that runs dry, and its nodes are
// handed out in ascending memory order. Single elements are never removed:
// the nodes go back only when the whole list is cleared or destroyed.
#pragma once

#include <cstddef>
#include <iterator>
#include <memory>
#include <new>
#include <utility>
#include <vector>

template <class Element>
class CPooledList {
 public:
  struct Node {
    Node* next = nullptr;
    Node* prev = nullptr;
    Element element{};
  };

  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Element;
    using difference_type = std::ptrdiff_t;
    using reference = const Element&;

    const_iterator() = default;
    explicit const_iterator(const Node* node) : m_pNode(node) {}
    reference operator*() const { return m_pNode->element; }
    const_iterator& operator++() {
      m_pNode = m_pNode->next;
      return *this;
    }
    bool operator==(const const_iterator&) const = default;

   private:
    const Node* m_pNode = nullptr;
  };

  // nodesPerBlock: 1 or more.
  explicit CPooledList(int nodesPerBlock) : m_nNodesPerBlock(nodesPerBlock) { CloseCircle(); }
  CPooledList(const CPooledList&) = delete;
  CPooledList& operator=(const CPooledList&) = delete;

  // Links the element in at the end; its node, or nullptr (nothing
  // changed) when a new block is needed and cannot be allocated.
  Node* AddTail(Element element) {
    if (!m_pFree && !AddBlock()) return nullptr;
    Node* node = m_pFree;
    m_pFree = node->next;
    node->element = std::move(element);
    node->prev = m_head.prev;
    node->next = &m_head;
    m_head.prev->next = node;
    m_head.prev = node;
    ++m_nCount;
    return node;
  }

  // Releases every block, and with them every element.
  void Clear() {
    m_nCount = 0;
    m_blocks.clear();
    m_pFree = nullptr;
    CloseCircle();
  }

  int GetCount() const { return m_nCount; }
  std::size_t GetBlockCount() const { return m_blocks.size(); }

  // From the first element; end() is the sentinel.
  const_iterator begin() const { return const_iterator(m_head.next); }
  const_iterator end() const { return const_iterator(&m_head); }
  // Element 0 .. count - 1, reached by walking from the sentinel.
  const Element& At(int index) const { return *std::next(begin(), index); }

 private:
  void CloseCircle() { m_head.next = m_head.prev = &m_head; }

  bool AddBlock() {
    std::unique_ptr<Node[]> block;
    try {
      m_blocks.reserve(m_blocks.size() + 1);
      block = std::make_unique<Node[]>(static_cast<std::size_t>(m_nNodesPerBlock));
    } catch (const std::bad_alloc&) {
      return false;
    }
    for (int i = 0; i + 1 < m_nNodesPerBlock; ++i) block[i].next = &block[i + 1];
    m_pFree = &block[0];
    m_blocks.push_back(std::move(block));
    return true;
  }

  Node m_head;
  Node* m_pFree = nullptr;
  std::vector<std::unique_ptr<Node[]>> m_blocks;
  int m_nNodesPerBlock;
  int m_nCount = 0;
};
