; .type sets the symbol type and keeps the binding; a section symbol stays one
        .data
o:      .long 0
        .globl o
        .type o, STT_OBJECT
        .type f, STT_FUNC
        .type n, STT_NOTYPE
        .type c, STT_COMMON
        .long f, n, c
        .type .data, STT_FUNC
