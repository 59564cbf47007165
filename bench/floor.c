/* The floor of the benchmark: what any editor of these files must at least
 * do to open and save a scenario. It parses the ten files with expat into a
 * plain element tree and writes each back indented (three spaces a level,
 * CR LF), through a temporary file renamed over the original. No scenario
 * logic, no text re-encoding beyond escaping what must be escaped.
 *
 *   stumpcraft-bench-floor FOLDER
 */
#include <expat.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const char* const Files[] = {
    "activities.xml", "ads.xml",         "endorsers.xml",       "events.xml",    "issues.xml",
    "parties.xml",    "percentages.xml", "political_units.xml", "relations.xml", "scenario.xml"};

typedef struct Node {
    char* name;
    char** attributes; /* name, value, ..., NULL */
    char* text;
    size_t textLength;
    struct Node** children;
    size_t childCount, childCapacity;
} Node;

typedef struct {
    Node* stack[256];
    int depth;
    Node* root;
} Builder;

static void* Allocate(size_t size) {
    void* p = malloc(size);
    if (!p) {
        fputs("out of memory\n", stderr);
        exit(1);
    }
    return p;
}

static char* Copy(const char* s) {
    size_t n = strlen(s) + 1;
    return memcpy(Allocate(n), s, n);
}

static void XMLCALL Start(void* user, const char* name, const char** attributes) {
    Builder* b = user;
    Node* node = calloc(1, sizeof(Node));
    size_t count = 0;
    node->name = Copy(name);
    while (attributes[count])
        ++count;
    node->attributes = Allocate((count + 1) * sizeof(char*));
    for (size_t i = 0; i < count; ++i)
        node->attributes[i] = Copy(attributes[i]);
    node->attributes[count] = NULL;
    if (b->depth > 0) {
        Node* parent = b->stack[b->depth - 1];
        if (parent->childCount == parent->childCapacity) {
            parent->childCapacity = parent->childCapacity ? parent->childCapacity * 2 : 4;
            parent->children = realloc(parent->children, parent->childCapacity * sizeof(Node*));
        }
        parent->children[parent->childCount++] = node;
    } else {
        b->root = node;
    }
    if (b->depth < 255)
        b->stack[b->depth++] = node;
}

static void XMLCALL End(void* user, const char* name) {
    Builder* b = user;
    (void)name;
    --b->depth;
}

static void XMLCALL Text(void* user, const char* data, int length) {
    Builder* b = user;
    Node* node = b->stack[b->depth - 1];
    node->text = realloc(node->text, node->textLength + (size_t)length + 1);
    memcpy(node->text + node->textLength, data, (size_t)length);
    node->textLength += (size_t)length;
    node->text[node->textLength] = 0;
}

static void WriteEscaped(FILE* out, const char* s, size_t n, int attribute) {
    for (size_t i = 0; i < n; ++i) {
        char c = s[i];
        if (c == '&')
            fputs("&amp;", out);
        else if (c == '<')
            fputs("&lt;", out);
        else if (attribute && c == '"')
            fputs("&quot;", out);
        else
            putc(c, out);
    }
}

static void Indent(FILE* out, int level) {
    for (int i = 0; i < level * 3; ++i)
        putc(' ', out);
}

static void Write(FILE* out, const Node* node, int level) {
    Indent(out, level);
    fprintf(out, "<%s", node->name);
    for (char** a = node->attributes; *a; a += 2) {
        fprintf(out, " %s=\"", a[0]);
        WriteEscaped(out, a[1], strlen(a[1]), 1);
        putc('"', out);
    }
    putc('>', out);
    if (node->childCount) {
        fputs("\r\n", out);
        for (size_t i = 0; i < node->childCount; ++i)
            Write(out, node->children[i], level + 1);
        Indent(out, level);
    } else if (node->text) {
        /* Text between tags, without surrounding blanks. */
        const char* s = node->text;
        size_t n = node->textLength;
        while (n && (unsigned char)*s <= ' ')
            ++s, --n;
        while (n && (unsigned char)s[n - 1] <= ' ')
            --n;
        WriteEscaped(out, s, n, 0);
    }
    fprintf(out, "</%s>\r\n", node->name);
}

static void Free(Node* node) {
    for (size_t i = 0; i < node->childCount; ++i)
        Free(node->children[i]);
    for (char** a = node->attributes; *a; ++a)
        free(*a);
    free(node->attributes);
    free(node->children);
    free(node->text);
    free(node->name);
    free(node);
}

static Node* Load(const char* path) {
    FILE* in = fopen(path, "rb");
    if (!in)
        return perror(path), NULL;
    fseek(in, 0, SEEK_END);
    long size = ftell(in);
    fseek(in, 0, SEEK_SET);
    char* bytes = Allocate((size_t)size + 1);
    size_t got = fread(bytes, 1, (size_t)size, in);
    fclose(in);

    Builder b = {.depth = 0, .root = NULL};
    XML_Parser parser = XML_ParserCreate(NULL);
    XML_SetUserData(parser, &b);
    XML_SetElementHandler(parser, Start, End);
    XML_SetCharacterDataHandler(parser, Text);
    if (XML_Parse(parser, bytes, (int)got, 1) != XML_STATUS_OK) {
        fprintf(stderr, "%s: %s\n", path, XML_ErrorString(XML_GetErrorCode(parser)));
        b.root = NULL;
    }
    XML_ParserFree(parser);
    free(bytes);
    return b.root;
}

static int Save(const char* path, const Node* root) {
    char temporary[4200];
    snprintf(temporary, sizeof temporary, "%s.floor", path);
    FILE* out = fopen(temporary, "wb");
    if (!out)
        return perror(temporary), 1;
    Write(out, root, 0);
    if (fclose(out) != 0 || rename(temporary, path) != 0)
        return perror(path), 1;
    return 0;
}

/* Like the editor, all ten documents are held at once: loaded first, then
 * written. */
int main(int argc, char** argv) {
    enum { Count = sizeof Files / sizeof *Files };
    if (argc != 2) {
        fputs("usage: stumpcraft-bench-floor FOLDER\n", stderr);
        return 2;
    }
    char paths[Count][4096];
    Node* roots[Count];
    for (size_t i = 0; i < Count; ++i) {
        snprintf(paths[i], sizeof paths[i], "%s/%s", argv[1], Files[i]);
        if (!(roots[i] = Load(paths[i])))
            return 1;
    }
    int failed = 0;
    for (size_t i = 0; i < Count; ++i)
        failed |= Save(paths[i], roots[i]);
    for (size_t i = 0; i < Count; ++i)
        Free(roots[i]);
    return failed;
}
