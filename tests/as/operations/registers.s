; register operands that name no register
        .text
p:
        setl #FOO, 1
        setl #8, 1
        setl 5, 1
        setl #@, 1
        setl #0f2.5, 1
        exa #1, 5
        exa #32 7
        complete
