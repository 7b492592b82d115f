// The global allocation operators, replaced so that every block the game news and deletes goes through
// the memory tracker. Linked into the game and the tracker's own tests only.
#include "engine/memory_tracker.h"

#include <cstdint>
#include <cstdlib>
#include <new>

namespace
{
// A new of 0 bytes still gets a block of its own. A failed block goes to the new-handler when one is
// installed and is tried again; without one the allocation fails with std::bad_alloc.
template <typename Allocate> void* allocateOrThrow(size_t size, Allocate allocate)
{
    if (size == 0)
        size = 1;
    for (;;)
    {
        if (void* block = allocate(size))
            return block;
        const std::new_handler handler = std::get_new_handler();
        if (!handler)
            throw std::bad_alloc();
        handler();
    }
}

void* trackedNew(size_t size, unsigned int type)
{
    return allocateOrThrow(size, [type](size_t bytes) { return m_allocateForPendingOwner(type, bytes); });
}

void* trackedNewNoThrow(size_t size, unsigned int type) noexcept
{
    try
    {
        return trackedNew(size, type);
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}

void* newWithOwner(size_t size, unsigned int type, const char* file, int line)
{
    return allocateOrThrow(size, [=](size_t bytes)
                           { return m_allocator(file, static_cast<unsigned int>(line), "??", type, bytes); });
}

// Over-aligned types get the runtime's own aligned blocks, untracked; they come back only through the
// aligned deletes below, so a tracked block never meets free() nor an aligned one the tracker.
void* alignedNew(size_t size, std::align_val_t alignment)
{
    const size_t align = static_cast<size_t>(alignment);
    return allocateOrThrow(size,
                           [align](size_t bytes) -> void*
                           {
                               if (bytes > SIZE_MAX - align)
                                   return nullptr;
                               return std::aligned_alloc(align, (bytes + align - 1) / align * align);
                           });
}

void* alignedNewNoThrow(size_t size, std::align_val_t alignment) noexcept
{
    try
    {
        return alignedNew(size, alignment);
    }
    catch (const std::bad_alloc&)
    {
        return nullptr;
    }
}
} // namespace

void* operator new(size_t size)
{
    return trackedNew(size, m_alloc_new);
}

void* operator new[](size_t size)
{
    return trackedNew(size, m_alloc_new_array);
}

void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    return trackedNewNoThrow(size, m_alloc_new);
}

void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    return trackedNewNoThrow(size, m_alloc_new_array);
}

void operator delete(void* address) noexcept
{
    m_releaseForPendingOwner(m_alloc_delete, address);
}

void operator delete[](void* address) noexcept
{
    m_releaseForPendingOwner(m_alloc_delete_array, address);
}

void operator delete(void* address, size_t) noexcept
{
    m_releaseForPendingOwner(m_alloc_delete, address);
}

void operator delete[](void* address, size_t) noexcept
{
    m_releaseForPendingOwner(m_alloc_delete_array, address);
}

void operator delete(void* address, const std::nothrow_t&) noexcept
{
    m_releaseForPendingOwner(m_alloc_delete, address);
}

void operator delete[](void* address, const std::nothrow_t&) noexcept
{
    m_releaseForPendingOwner(m_alloc_delete_array, address);
}

void* operator new(size_t size, const char* file, int line)
{
    return newWithOwner(size, m_alloc_new, file, line);
}

void* operator new[](size_t size, const char* file, int line)
{
    return newWithOwner(size, m_alloc_new_array, file, line);
}

void operator delete(void* address, const char* file, int line) noexcept
{
    m_deallocator(file, static_cast<unsigned int>(line), "??", m_alloc_delete, address);
}

void operator delete[](void* address, const char* file, int line) noexcept
{
    m_deallocator(file, static_cast<unsigned int>(line), "??", m_alloc_delete_array, address);
}

void* operator new(size_t size, std::align_val_t alignment)
{
    return alignedNew(size, alignment);
}

void* operator new[](size_t size, std::align_val_t alignment)
{
    return alignedNew(size, alignment);
}

void* operator new(size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return alignedNewNoThrow(size, alignment);
}

void* operator new[](size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return alignedNewNoThrow(size, alignment);
}

void operator delete(void* address, std::align_val_t) noexcept
{
    std::free(address);
}

void operator delete[](void* address, std::align_val_t) noexcept
{
    std::free(address);
}

void operator delete(void* address, size_t, std::align_val_t) noexcept
{
    std::free(address);
}

void operator delete[](void* address, size_t, std::align_val_t) noexcept
{
    std::free(address);
}

void operator delete(void* address, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(address);
}

void operator delete[](void* address, std::align_val_t, const std::nothrow_t&) noexcept
{
    std::free(address);
}
