; a common cannot become weak
        .comm z, 4
        .weak z
        .local z
        .globl z
