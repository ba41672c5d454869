// freelist.h - recycled storage for the small objects the parser makes and
// drops at every operand: expressions and their nodes.
#ifndef ZV_AS_FREELIST_H
#define ZV_AS_FREELIST_H

#include <cstddef>
#include <new>

// Blocks of one size, carved from large chunks and kept on a list when
// freed; a freed block is the next one given out. Chunks live as long as
// the program. Under AddressSanitizer every block is an allocation of its
// own, so that a use after free is still caught.
template <size_t BlockSize> class FreeList {
public:
  static void *allocate(size_t size) {
#if defined(__SANITIZE_ADDRESS__)
    return ::operator new(size);
#else
    if (size > BlockSize)
      return ::operator new(size);
    State &s = state();
    if (s.head) {
      Free *block = s.head;
      s.head = block->next;
      return block;
    }
    if (s.left == 0) {
      s.chunk = static_cast<char *>(::operator new(ChunkBlocks *BlockSize));
      s.left = ChunkBlocks;
    }
    --s.left;
    return s.chunk + s.left * BlockSize;
#endif
  }

  static void release(void *p, size_t size) {
#if defined(__SANITIZE_ADDRESS__)
    (void)size;
    ::operator delete(p);
#else
    if (!p)
      return;
    if (size > BlockSize) {
      ::operator delete(p);
      return;
    }
    State &s = state();
    s.head = new (p) Free{s.head};
#endif
  }

private:
  static_assert(BlockSize >= sizeof(void *) && BlockSize % alignof(void *) == 0,
                "a block holds the link of the list");
  static constexpr size_t ChunkBlocks = 1024;

  struct Free {
    Free *next;
  };
  struct State {
    Free *head = nullptr;
    char *chunk = nullptr;
    size_t left = 0;
  };
  // Never destroyed: blocks may be freed by destructors that run late.
  static State &state() {
    static State *s = new State;
    return *s;
  }
};

#endif
