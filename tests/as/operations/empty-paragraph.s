; complete right after a paragraph start warns and writes nothing
        .text
p:
        complete
q:
        getl 1
        complete
