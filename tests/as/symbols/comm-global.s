; a global common keeps its alignment as value and lives in *COMMON*
        .globl x
        .comm x, 4, 8
        .comm plain, 12
        .comm big, 1, 0x100000
