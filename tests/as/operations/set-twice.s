; setting a register again in one paragraph warns; a new paragraph starts
; with a clean slate
        .text
p:
        setl #PSW, 1
        setl #48, 2
        setl #PSW, 3
        complete
q:
        setl #PSW, 4
        complete
